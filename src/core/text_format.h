#pragma once

#include "console/printf_like.h"
#include "console/text_string.h"
#include "platform/russian_text.h"

// Formats numbers and names into a 256-character buffer, printf style, and
// makes the result a TextString. A longer result is cut at 255 characters.
TextString formatText(const char* format, ...) PRINTF_LIKE(1, 2);

// formatText for a Russian format written as UTF-8 (RU): the compiler checks
// the values against the format as written, and the 1251 bytes are what is
// formatted.
#define FORMAT_RU(format, ...)                                             \
    (static_cast<void>(sizeof(checkPrintfArguments(format, __VA_ARGS__))), \
     formatText(RU(format), __VA_ARGS__))
