#include "core/text_format.h"

#include <cstdarg>
#include <string>

#include "console/print_format.h"

TextString formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatArguments(format, args);
    va_end(args);
    // The 256-character buffer's limit: a longer result is cut.
    if (text.size() > 255) {
        text.resize(255);
    }
    return TextString(text.c_str());
}
