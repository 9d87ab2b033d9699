#include "naive_presenter.h"

#include "platform/utf8.h"
#include "platform/xterm/terminal_presenter.h"

std::string NaivePresenter::render(const VirtualConsole::Grid& grid) const {
    std::string out = "\x1b[?2026h\x1b[0;40m\x1b[H\x1b[2J";
    int colour = -1;
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        out += "\x1b[" + std::to_string(row + 1) + "H";
        for (int column = 0; column < VirtualConsole::COLUMNS; ++column) {
            const VirtualConsole::Cell& cell = grid[row * VirtualConsole::COLUMNS + column];
            if (cell.colour != colour) {
                out += TerminalPresenter::colourSequence(cell.colour);
                colour = cell.colour;
            }
            appendUtf8(cell.ch, out);
        }
    }
    out += "\x1b[?2026l";
    return out;
}
