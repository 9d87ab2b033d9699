#include "platform/virtual_console.h"

VirtualConsole::VirtualConsole() {
    clear();
}

void VirtualConsole::clear() {
    grid_.fill(Cell{U' ', colour_});
    record_ = FrameRecord{};
    column_ = 0;
    row_ = 0;
}

void VirtualConsole::moveCursor(int column, int row) {
    if (column < 0 || column >= COLUMNS || row < 0 || row >= ROWS) {
        return;
    }
    column_ = column;
    row_ = row;
}

void VirtualConsole::put(char32_t ch) {
    if (row_ >= ROWS) {
        return;
    }
    if (ch == U'\n') {
        column_ = 0;
        ++row_;
        return;
    }
    grid_[row_ * COLUMNS + column_] = Cell{ch, colour_};
    if (++column_ >= COLUMNS) {
        column_ = 0;
        ++row_;
    }
}
