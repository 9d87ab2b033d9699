#pragma once

#include "console/printf_like.h"
#include "console/text_string.h"

// Formats numbers and names into a 256-character buffer, printf style, and
// makes the result a TextString. A longer result is cut at 255 characters.
TextString formatText(const char* format, ...) PRINTF_LIKE(1, 2);
