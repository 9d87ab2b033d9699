#include "frame_text.h"

#include "platform/glyphs.h"
#include "platform/utf8.h"

std::string frameText(const VirtualConsole::Grid& grid) {
    std::string text;
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        for (int column = 0; column < VirtualConsole::COLUMNS; ++column) {
            appendUtf8(glyphOf(grid[row * VirtualConsole::COLUMNS + column].ch), text);
        }
        text += "|\n";
    }
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        for (int column = 0; column < VirtualConsole::COLUMNS; ++column) {
            text += "0123456789abcdef"[grid[row * VirtualConsole::COLUMNS + column].colour & 0x0F];
        }
        text += "|\n";
    }
    return text;
}
