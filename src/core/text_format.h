#pragma once

#include "console/text_string.h"

// Formats numbers and names into a 256-character buffer, printf style, and
// makes the result a TextString. A longer result is cut at 255 characters.
TextString formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
