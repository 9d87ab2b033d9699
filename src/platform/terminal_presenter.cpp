#include "platform/terminal_presenter.h"

namespace {

constexpr const char* BEGIN_UPDATE = "\x1b[?2026h";
constexpr const char* END_UPDATE = "\x1b[?2026l";
// Reset attributes, black background, grey text, clear the whole screen.
constexpr const char* CLEAR_SCREEN = "\x1b[0;37;40m\x1b[2J";
constexpr int GREY = 7;
// Rewriting a few unchanged cells is cheaper than a cursor move over them.
constexpr int MAX_BRIDGE = 4;

// What the console shows for the control codes 0 to 31, as on the game's
// home platform. A tab, a carriage return or an escape from a damaged data
// file must not reach the terminal as such: it would move the cursor or
// start a sequence of its own and garble the frame.
constexpr char16_t CONTROL_GLYPHS[32] = {
    u' ',    u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u2022',
    u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
    u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
    u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC',
};

char32_t shown(char32_t ch) {
    if (ch < 0x20) {
        return CONTROL_GLYPHS[ch];
    }
    if (ch == 0x7F) {
        return U'\u2302';
    }
    if ((ch >= 0x80 && ch < 0xA0) || (ch >= 0xD800 && ch < 0xE000) || ch > 0x10FFFF) {
        return U'?';  // C1 controls and what UTF-8 cannot carry
    }
    return ch;
}

int utf8Length(char32_t ch) {
    ch = shown(ch);
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

}  // namespace

void appendUtf8(char32_t ch, std::string& out) {
    if (ch < 0x80) {
        out += char(ch);
    } else if (ch < 0x800) {
        out += char(0xC0 | (ch >> 6));
        out += char(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += char(0xE0 | (ch >> 12));
        out += char(0x80 | ((ch >> 6) & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    } else {
        out += char(0xF0 | (ch >> 18));
        out += char(0x80 | ((ch >> 12) & 0x3F));
        out += char(0x80 | ((ch >> 6) & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    }
}

TerminalPresenter::TerminalPresenter() { shown_.fill(VirtualConsole::Cell{}); }

std::string TerminalPresenter::colourSequence(std::uint8_t colour) {
    // Console attribute bits are blue 1, green 2, red 4; ANSI numbers them
    // red 1, green 2, blue 4. The bright bit picks the 90s.
    const int ansi = ((colour & 1) << 2) | (colour & 2) | ((colour & 4) >> 2);
    const int base = (colour & 8) ? 90 : 30;
    return "\x1b[" + std::to_string(base + ansi) + "m";
}

void TerminalPresenter::moveTo(int column, int row, const VirtualConsole::Grid& grid,
                               std::string& out) {
    if (row == row_ && column == column_) {
        return;
    }
    if (row == row_ && column_ >= 0 && column > column_) {
        const int gap = column - column_;
        if (gap <= MAX_BRIDGE) {
            // Bridge over unchanged cells when they are plain and in the
            // colour already in force: the same bytes the move would cost.
            bool bridgeable = true;
            int bytes = 0;
            for (int c = column_; c < column; ++c) {
                const auto& cell = grid[row * VirtualConsole::COLUMNS + c];
                bridgeable = bridgeable && cell.colour == colour_;
                bytes += utf8Length(cell.ch);
            }
            const int moveCost = gap == 1 ? 3 : 4;
            if (bridgeable && bytes <= moveCost) {
                for (int c = column_; c < column; ++c) {
                    appendUtf8(shown(grid[row * VirtualConsole::COLUMNS + c].ch), out);
                }
                column_ = column;
                return;
            }
        }
        out += gap == 1 ? std::string("\x1b[C") : "\x1b[" + std::to_string(gap) + "C";
    } else if (row == row_ && column_ >= 0 && column < column_ && column == 0) {
        out += '\r';
    } else if (column == 0) {
        out += "\x1b[" + std::to_string(row + 1) + "H";
    } else {
        out += "\x1b[" + std::to_string(row + 1) + ";" + std::to_string(column + 1) + "H";
    }
    column_ = column;
    row_ = row;
}

void TerminalPresenter::writeCell(const VirtualConsole::Cell& cell, std::string& out) {
    // A blank shows only its black background, whatever its text colour.
    if (cell.colour != colour_ && cell.ch != U' ') {
        out += colourSequence(cell.colour);
        colour_ = cell.colour;
    }
    appendUtf8(shown(cell.ch), out);
    if (++column_ >= VirtualConsole::COLUMNS) {
        column_ = -1;  // the terminal's pending wrap: do not rely on it
        row_ = -1;
    }
}

std::string TerminalPresenter::render(const VirtualConsole::Grid& grid) {
    std::string out;
    if (!known_) {
        out += CLEAR_SCREEN;
        shown_.fill(VirtualConsole::Cell{U' ', GREY});
        colour_ = GREY;
        column_ = -1;
        row_ = -1;
        known_ = true;
    }
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        for (int column = 0; column < VirtualConsole::COLUMNS; ++column) {
            const int index = row * VirtualConsole::COLUMNS + column;
            const auto& want = grid[index];
            auto& have = shown_[index];
            const bool sameBlank = want.ch == U' ' && have.ch == U' ';
            if (want == have || sameBlank) {
                continue;
            }
            moveTo(column, row, grid, out);
            writeCell(want, out);
            have = want;
        }
    }
    if (out.empty()) {
        return out;
    }
    return BEGIN_UPDATE + out + END_UPDATE;
}
