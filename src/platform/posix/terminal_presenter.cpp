#include "platform/posix/terminal_presenter.h"

#include <algorithm>

#include "platform/glyphs.h"
#include "platform/utf8.h"

namespace {

constexpr const char* BEGIN_UPDATE = "\x1b[?2026h";
constexpr const char* END_UPDATE = "\x1b[?2026l";
// Reset attributes, black background, grey text, clear the whole screen.
constexpr const char* CLEAR_SCREEN = "\x1b[0;37;40m\x1b[2J";
constexpr int GREY = 7;
constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
// Erase to the end of the line (EL) or of the screen (ED).
constexpr const char* ERASE_LINE = "\x1b[K";
constexpr const char* ERASE_BELOW = "\x1b[J";
constexpr int ERASE_COST = 3;
// No cursor move costs more than 8 bytes, so rewriting more cells than that
// to get over them never pays.
constexpr int MAX_BRIDGE = 8;

int utf8Length(char32_t ch) {
    ch = glyphOf(ch);
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

using Cell = VirtualConsole::Cell;

bool isBlank(const Cell& cell) {
    return cell.ch == U' ' || glyphOf(cell.ch) == U' ';
}

// Whether the terminal shows two unequal cells alike: a blank is only its
// black background, whatever its text colour.
bool alike(const Cell& a, const Cell& b) {
    const char32_t glyph = glyphOf(a.ch);
    return glyph == glyphOf(b.ch) && (glyph == U' ' || a.colour == b.colour);
}

inline bool looksSame(const Cell& a, const Cell& b) {
    return a == b || alike(a, b);
}

int digits(int n) {
    return n < 10 ? 1 : n < 100 ? 2 : 3;
}

// "CSI n F", the count left out when it is 1.
int csiCost(int n) {
    return n == 1 ? 3 : 3 + digits(n);
}

void appendNumber(int n, std::string& out) {
    if (n >= 100) {
        out += char('0' + n / 100);
    }
    if (n >= 10) {
        out += char('0' + n / 10 % 10);
    }
    out += char('0' + n % 10);
}

void appendCsi(int n, char final, std::string& out) {
    out += "\x1b[";
    if (n != 1) {
        appendNumber(n, out);
    }
    out += final;
}

// "CSI row;column H", each left out when it is 1 (the last one only).
int cupCost(int column, int row) {
    if (column == 0) {
        return row == 0 ? 3 : 3 + digits(row + 1);
    }
    return 4 + digits(row + 1) + digits(column + 1);
}

void appendCup(int column, int row, std::string& out) {
    out += "\x1b[";
    if (row != 0 || column != 0) {
        appendNumber(row + 1, out);
    }
    if (column != 0) {
        out += ';';
        appendNumber(column + 1, out);
    }
    out += 'H';
}

// The cheapest way along a row from a known column: CR, forward or back
// (CUF, CUB), or straight to the column (CHA).
enum class Along { STAY, RETURN, FORWARD, BACK, TO_COLUMN };

Along planAlong(int from, int to, int& cost) {
    if (from == to) {
        cost = 0;
        return Along::STAY;
    }
    if (to == 0) {
        cost = 1;
        return Along::RETURN;
    }
    Along best = to > from ? Along::FORWARD : Along::BACK;
    cost = csiCost(to > from ? to - from : from - to);
    if (3 + digits(to + 1) < cost) {
        best = Along::TO_COLUMN;
        cost = 3 + digits(to + 1);
    }
    return best;
}

void appendAlong(Along along, int from, int to, std::string& out) {
    switch (along) {
        case Along::STAY:
            break;
        case Along::RETURN:
            out += '\r';
            break;
        case Along::FORWARD:
            appendCsi(to - from, 'C', out);
            break;
        case Along::BACK:
            appendCsi(from - to, 'D', out);
            break;
        case Along::TO_COLUMN:
            appendCsi(to + 1, 'G', out);
            break;
    }
}

}  // namespace

TerminalPresenter::TerminalPresenter() {
    shown_.fill(VirtualConsole::Cell{});
}

std::string TerminalPresenter::colourSequence(std::uint8_t colour) {
    // Console attribute bits are blue 1, green 2, red 4; ANSI numbers them
    // red 1, green 2, blue 4. The bright bit picks the 90s.
    const int ansi = ((colour & 1) << 2) | (colour & 2) | ((colour & 4) >> 2);
    const int base = (colour & 8) ? 90 : 30;
    return "\x1b[" + std::to_string(base + ansi) + "m";
}

int TerminalPresenter::moveCost(int column, int row) const {
    if (row_ < 0) {
        return cupCost(column, row);
    }
    int along = 0;
    if (row == row_) {
        planAlong(column_, column, along);
        return along;
    }
    const int rows = row > row_ ? row - row_ : row_ - row;
    planAlong(column_, column, along);
    int best = std::min(cupCost(column, row), csiCost(rows) + along);
    if (row > row_) {
        planAlong(0, column, along);
        best = std::min(best, 1 + rows + along);
    }
    return best;
}

void TerminalPresenter::moveTo(int column, int row, std::string& out) {
    if (row == row_ && column == column_) {
        return;
    }
    const int cost = moveCost(column, row);
    int along = 0;
    if (row_ < 0 || cost == cupCost(column, row)) {
        appendCup(column, row, out);
    } else if (row == row_) {
        appendAlong(planAlong(column_, column, along), column_, column, out);
    } else {
        const int rows = row > row_ ? row - row_ : row_ - row;
        const Along fromHere = planAlong(column_, column, along);
        if (cost == csiCost(rows) + along) {
            // Up or down (CUU, CUD), which keeps the column, then along.
            appendCsi(rows, row > row_ ? 'B' : 'A', out);
            appendAlong(fromHere, column_, column, out);
        } else {
            // Line feeds from the start of the row; the terminal may turn a
            // line feed into CR LF, which changes nothing after the CR.
            out += '\r';
            out.append(std::size_t(rows), '\n');
            appendAlong(planAlong(0, column, along), 0, column, out);
        }
    }
    column_ = column;
    row_ = row;
}

int TerminalPresenter::bridgeCost(int column, int row, const Cell* want) const {
    if (row != row_ || column_ < 0 || column <= column_ || column - column_ > MAX_BRIDGE) {
        return -1;
    }
    int bytes = 0;
    for (int c = column_; c < column; ++c) {
        if (!isBlank(want[c]) && want[c].colour != colour_) {
            return -1;  // it would take colour changes
        }
        bytes += utf8Length(want[c].ch);
    }
    return bytes;
}

int TerminalPresenter::reachCost(int column, int row, const Cell* want) const {
    const int bridge = bridgeCost(column, row, want);
    const int move = moveCost(column, row);
    return bridge >= 0 && bridge < move ? bridge : move;
}

void TerminalPresenter::reach(int column, int row, const Cell* want, std::string& out) {
    const int bridge = bridgeCost(column, row, want);
    if (bridge >= 0 && bridge <= moveCost(column, row)) {
        // Rewrite the unchanged cells in between: fewer bytes than a move.
        for (int c = column_; c < column; ++c) {
            appendUtf8(glyphOf(want[c].ch), out);
        }
        column_ = column;
        return;
    }
    moveTo(column, row, out);
}

void TerminalPresenter::writeCell(const Cell& cell, std::string& out) {
    if (cell.colour != colour_ && !isBlank(cell)) {
        out += colourSequence(cell.colour);
        colour_ = cell.colour;
    }
    appendUtf8(glyphOf(cell.ch), out);
    if (++column_ >= COLUMNS) {
        // The terminal's pending wrap: terminals differ in where the next
        // character would go, so take the cursor as lost until a CUP.
        column_ = -1;
        row_ = -1;
    }
}

void TerminalPresenter::renderRow(int row, const VirtualConsole::Grid& grid, std::string& out) {
    const Cell* want = &grid[std::size_t(row * COLUMNS)];
    Cell* have = &shown_[std::size_t(row * COLUMNS)];
    auto needed = [&](int c) { return !looksSame(want[c], have[c]); };
    int c = 0;
    while (c < COLUMNS && !needed(c)) {
        ++c;
    }
    if (c == COLUMNS) {
        return;
    }
    int last = COLUMNS - 1;
    while (!needed(last)) {
        --last;
    }
    // From `tail` on the new row is blank.
    int tail = COLUMNS;
    while (tail > 0 && isBlank(want[tail - 1])) {
        --tail;
    }
    int writeThrough = -1;  // blanks up to here are written, not erased
    for (;;) {
        if (c >= tail && last - c + 1 > ERASE_COST) {
            // Only blanks from here to the end of the row.
            moveTo(c, row, out);
            out += ERASE_LINE;
            std::copy(want + c, want + COLUMNS, have + c);
            return;
        }
        if (c > writeThrough && c < tail && isBlank(want[c])) {
            // A run of blanks with text after it: erase it (ECH) or write
            // spaces over it, whichever costs less with the way on.
            int runEnd = c + 1;
            while (isBlank(want[runEnd])) {
                ++runEnd;
            }
            int lastInRun = runEnd - 1;
            while (!needed(lastInRun)) {
                --lastInRun;
            }
            int next = lastInRun + 1;
            while (next <= last && !needed(next)) {
                ++next;
            }
            moveTo(c, row, out);  // either way, the run starts here
            const int span = lastInRun - c + 1;
            int writeCost = span;
            int eraseCost = csiCost(span);
            if (next <= last) {
                const int savedColumn = column_;
                column_ = lastInRun + 1;
                writeCost += reachCost(next, row, want);
                column_ = savedColumn;
                eraseCost += reachCost(next, row, want);
            }
            if (eraseCost < writeCost) {
                appendCsi(span, 'X', out);
                std::copy(want + c, want + lastInRun + 1, have + c);
                if (next > last) {
                    return;
                }
                c = next;
                continue;
            }
            writeThrough = lastInRun;
        }
        reach(c, row, want, out);
        writeCell(want[c], out);
        have[c] = want[c];
        if (c == last) {
            return;
        }
        ++c;
        while (!needed(c)) {
            ++c;
        }
    }
}

std::string TerminalPresenter::render(const VirtualConsole::Grid& grid) {
    std::string out = BEGIN_UPDATE;
    const std::size_t empty = out.size();
    if (!known_) {
        out += CLEAR_SCREEN;
        shown_.fill(Cell{U' ', GREY});
        colour_ = GREY;
        column_ = -1;
        row_ = -1;
        known_ = true;
    }
    // Below the last row with anything on it the new frame is blank.
    int inked = ROWS - 1;
    while (inked >= 0) {
        const Cell* row = &grid[std::size_t(inked * COLUMNS)];
        if (!std::all_of(row, row + COLUMNS, isBlank)) {
            break;
        }
        --inked;
    }
    for (int row = 0; row < ROWS; ++row) {
        // Only the first blank row can be worth an erase: from any row below
        // it there is no more to blank.
        if (row == inked + 1 && eraseBelow(row, grid, out)) {
            break;
        }
        renderRow(row, grid, out);
    }
    if (out.size() == empty) {
        return std::string();
    }
    out += END_UPDATE;
    return out;
}

bool TerminalPresenter::eraseBelow(int row, const VirtualConsole::Grid& grid, std::string& out) {
    // Everything from this row on is blank in the new frame: when there is
    // more to blank than an erase costs, one ED from the first cell to blank.
    const std::size_t from = std::size_t(row * COLUMNS);
    std::size_t first = shown_.size();
    int count = 0;
    for (std::size_t i = from; i < shown_.size() && count <= ERASE_COST; ++i) {
        if (!looksSame(grid[i], shown_[i])) {
            first = std::min(first, i);
            ++count;
        }
    }
    if (count <= ERASE_COST) {
        return false;
    }
    moveTo(int(first % COLUMNS), int(first / COLUMNS), out);
    out += ERASE_BELOW;
    std::copy(grid.begin() + std::ptrdiff_t(first), grid.end(),
              shown_.begin() + std::ptrdiff_t(first));
    return true;
}
