#include "console/console_output.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

#include "console/colours.h"
#include "console/print_format.h"
#include "platform/code_pages.h"
#include "platform/virtual_console.h"

VirtualConsole* g_console = nullptr;

FrameRecord& frameRecord() {
    static FrameRecord scratch;
    if (g_console == nullptr) {
        scratch = FrameRecord{};
        return scratch;
    }
    return g_console->record();
}

void printAt(std::int16_t column, std::int16_t row, TextString text) {
    if (g_console == nullptr) {
        return;
    }
    g_console->moveCursor(column, row);
    for (const char* p = text.text(); *p != '\0'; ++p) {
        g_console->put(decodeCp1251(static_cast<unsigned char>(*p)));
    }
}

namespace {

void putCp866(const char* bytes, int count) {
    for (int i = 0; i < count; ++i) {
        g_console->put(decodeCp866(static_cast<unsigned char>(bytes[i])));
    }
}

}  // namespace

void writeRaw(const char* format, ...) {
    if (g_console == nullptr) {
        return;
    }
    // The boxes and the frame are drawn a character or two at a time, every
    // frame: a text with nothing to format goes straight to the console.
    if (std::strchr(format, '%') == nullptr) {
        putCp866(format, static_cast<int>(std::strlen(format)));
        return;
    }
    va_list args;
    va_start(args, format);
    const std::string text = formatArguments(format, args);
    va_end(args);
    putCp866(text.data(), static_cast<int>(text.size()));
}

void setColour(std::uint8_t colour) {
    if (g_console != nullptr) {
        g_console->setColour(colour);
    }
}

namespace {

void moveTo(int column, int row) {
    if (g_console != nullptr) {
        g_console->moveCursor(column, row);
    }
}

void horizontalEdge(int left, int row, int width) {
    moveTo(left, row);
    writeRaw("O");
    for (int i = 0; i < width; ++i) {
        writeRaw("-");
    }
    writeRaw("O");
}

}  // namespace

void drawBox(int left, int top, int right, int bottom) {
    const int width = std::abs(right - left);
    const int height = std::abs(bottom - top);
    horizontalEdge(left, top, width);
    moveTo(left, top + 1);
    writeRaw("|/");
    moveTo(right, top + 1);
    writeRaw("\\|");
    for (int row = top + 2; row <= top + 1 + height; ++row) {
        moveTo(left, row);
        writeRaw("|");
        moveTo(right + 1, row);
        writeRaw("|");
    }
    moveTo(left, top + 2 + height);
    writeRaw("|\\");
    moveTo(right, top + 2 + height);
    writeRaw("/|");
    horizontalEdge(left, top + 3 + height, width);
}

void drawFrame() {
    setColour(COLOUR_GREY);
    const std::string bar(VirtualConsole::COLUMNS - 2, '-');
    moveTo(0, 0);
    writeRaw(".%s.", bar.c_str());
    for (int row = 1; row <= VirtualConsole::ROWS - 2; ++row) {
        moveTo(0, row);
        writeRaw("|");
        moveTo(VirtualConsole::COLUMNS - 1, row);
        writeRaw("|");
    }
    // The bar in the last column of row 47 has carried the cursor to row 48.
    writeRaw("'%s'", bar.c_str());
}
