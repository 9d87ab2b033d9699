#include "core/text_format.h"

#include <cstdarg>
#include <cstdio>

TextString formatText(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return TextString(buffer);
}
