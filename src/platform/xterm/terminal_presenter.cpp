#include "platform/xterm/terminal_presenter.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/glyphs.h"
#include "platform/utf8.h"
#include "platform/xterm/cursor_moves.h"

namespace {

using Cell = VirtualConsole::Cell;
using cursor_moves::appendCsi;
using cursor_moves::csiCost;

constexpr const char* BEGIN_UPDATE = "\x1b[?2026h";
constexpr const char* END_UPDATE = "\x1b[?2026l";
// Reset attributes, black background, grey text, clear the whole screen.
constexpr const char* CLEAR_SCREEN = "\x1b[0;37;40m\x1b[2J";
// Clear the whole screen, keeping the colours in force and the cursor.
constexpr const char* CLEAR = "\x1b[2J";
constexpr std::size_t CLEAR_COST = 4;
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

// The first column of the blanks that end at the column.
int blanksFrom(int column, const Cell* want) {
    while (column > 0 && isBlank(want[column - 1])) {
        --column;
    }
    return column;
}

// Whether the cells are the same to the byte: a quick way past the rows that
// did not change (unequal bytes may still be equal cells).
bool sameBytes(const Cell* a, const Cell* b, int count) {
    return std::memcmp(a, b, sizeof(Cell) * std::size_t(count)) == 0;
}

const VirtualConsole::Grid& blankGrid() {
    // Filled on the heap: a grid is some 31 KB, too much for a small stack.
    static const std::unique_ptr<const VirtualConsole::Grid> blank = [] {
        auto grid = std::make_unique<VirtualConsole::Grid>();
        grid->fill(Cell{U' ', GREY});
        return grid;
    }();
    return *blank;
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
    return cursor_moves::cost(row_ < 0 ? cursor_moves::UNKNOWN : column_, row_, column, row);
}

void TerminalPresenter::moveTo(int column, int row, std::string& out) {
    cursor_moves::append(row_ < 0 ? cursor_moves::UNKNOWN : column_, row_, column, row, out);
    column_ = column;
    row_ = row;
}

int TerminalPresenter::bridgeCost(int from, int column, const Cell* want) const {
    if (from < 0 || column <= from || column - from > MAX_BRIDGE) {
        return -1;
    }
    int bytes = 0;
    for (int c = from; c < column; ++c) {
        if (!isBlank(want[c]) && want[c].colour != colour_) {
            return -1;  // it would take colour changes
        }
        bytes += utf8Length(want[c].ch);
    }
    return bytes;
}

int TerminalPresenter::reachCost(int fromColumn, int fromRow, int column, int row,
                                 const Cell* want) const {
    const int move = cursor_moves::cost(fromColumn, fromRow, column, row);
    const int bridge = fromRow == row ? bridgeCost(fromColumn, column, want) : -1;
    return bridge >= 0 && bridge < move ? bridge : move;
}

int TerminalPresenter::reachCost(int column, int row, const Cell* want) const {
    return reachCost(row_ < 0 ? cursor_moves::UNKNOWN : column_, row_, column, row, want);
}

void TerminalPresenter::reach(int column, int row, const Cell* want, std::string& out) {
    const int bridge = row == row_ ? bridgeCost(column_, column, want) : -1;
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

int TerminalPresenter::cheapestEraseStart(int column, int row, int lastErased, int next,
                                          const Cell* want, bool toRowEnd) const {
    // The erase may start anywhere in the blanks before the column: it only
    // blanks cells that are to be blank. Start where the way costs least.
    int best = column;
    int bestCost = -1;
    for (int start = blanksFrom(column, want); start <= column; ++start) {
        int cost = reachCost(start, row, want);
        cost += toRowEnd ? ERASE_COST : csiCost(lastErased - start + 1);
        if (next >= 0) {
            cost += reachCost(start, row, next, row, want);
        }
        if (bestCost < 0 || cost < bestCost) {
            best = start;
            bestCost = cost;
        }
    }
    return best;
}

void TerminalPresenter::renderRow(int row, const Cell* have, const Cell* want, std::string& out) {
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
            // Only blanks from here to the end of the row: erase them (EL).
            const int start = cheapestEraseStart(c, row, last, -1, want, true);
            reach(start, row, want, out);
            out += ERASE_LINE;
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
            if (next > last) {
                next = -1;
            }
            const int start = cheapestEraseStart(c, row, lastInRun, next, want, false);
            int eraseCost = reachCost(start, row, want) + csiCost(lastInRun - start + 1);
            int writeCost = reachCost(c, row, want) + (lastInRun - c + 1);
            if (next >= 0) {
                eraseCost += reachCost(start, row, next, row, want);
                writeCost += reachCost(lastInRun + 1, row, next, row, want);
            }
            if (eraseCost < writeCost) {
                reach(start, row, want, out);
                appendCsi(lastInRun - start + 1, 'X', out);
                if (next < 0) {
                    return;
                }
                c = next;
                continue;
            }
            writeThrough = lastInRun;
        }
        reach(c, row, want, out);
        writeCell(want[c], out);
        if (c == last) {
            return;
        }
        ++c;
        while (!needed(c)) {
            ++c;
        }
    }
}

bool TerminalPresenter::eraseBelow(int row, const Grid& shown, const Grid& grid, std::string& out) {
    // Everything from this row on is blank in the new frame: when there is
    // more to blank than an erase costs, one ED from the first cell to blank
    // (or from an earlier blank one that is cheaper to reach).
    const std::size_t from = std::size_t(row * COLUMNS);
    std::size_t first = shown.size();
    int count = 0;
    for (std::size_t i = from; i < shown.size() && count <= ERASE_COST; ++i) {
        if (!looksSame(grid[i], shown[i])) {
            first = std::min(first, i);
            ++count;
        }
    }
    if (count <= ERASE_COST) {
        return false;
    }
    const int firstRow = int(first / COLUMNS);
    const Cell* want = &grid[std::size_t(firstRow * COLUMNS)];
    const int start =
        cheapestEraseStart(int(first % COLUMNS), firstRow, COLUMNS - 1, -1, want, true);
    reach(start, firstRow, want, out);
    out += ERASE_BELOW;
    return true;
}

void TerminalPresenter::renderChanges(const Grid& shown, const Grid& grid, std::string& out) {
    // Below the last row with anything on it the new frame is blank.
    int inked = ROWS - 1;
    while (inked >= 0) {
        const Cell* row = &grid[std::size_t(inked * COLUMNS)];
        if (!std::all_of(row, row + COLUMNS, isBlank)) {
            break;
        }
        --inked;
    }
    changedRows_ = 0;
    for (int row = 0; row < ROWS; ++row) {
        // Only the first blank row can be worth an erase: from any row below
        // it there is no more to blank.
        if (row == inked + 1 && eraseBelow(row, shown, grid, out)) {
            changedRows_ |= ~std::uint64_t(0) << row;
            break;
        }
        const std::size_t at = std::size_t(row * COLUMNS);
        if (!sameBytes(&shown[at], &grid[at], COLUMNS)) {
            changedRows_ |= std::uint64_t(1) << row;
            renderRow(row, &shown[at], &grid[at], out);
        }
    }
}

// The bytes of the frame's text, counted up to `enough`.
std::size_t TerminalPresenter::inkBytes(const Grid& grid, std::size_t enough) const {
    std::size_t bytes = 0;
    for (const Cell& cell : grid) {
        if (!isBlank(cell)) {
            bytes += std::size_t(utf8Length(cell.ch));
            if (bytes >= enough) {
                break;
            }
        }
    }
    return bytes;
}

std::string TerminalPresenter::render(const VirtualConsole::Grid& grid) {
    std::string out;
    if (!known_) {
        out += FRAME_MODES;
        out += CLEAR_SCREEN;
        shown_ = blankGrid();
        colour_ = GREY;
        column_ = -1;
        row_ = -1;
        known_ = true;
    }
    const bool cleared = !out.empty();
    const int column = column_;
    const int row = row_;
    const int colour = colour_;
    renderChanges(shown_, grid, out);
    const std::uint64_t changedRows = changedRows_;
    // A full clear and the frame's text may cost less than changing what is
    // there: a screen emptied but for a few words, or a new one in full.
    if (!cleared && out.size() > CLEAR_COST &&
        inkBytes(grid, out.size() - CLEAR_COST) < out.size() - CLEAR_COST) {
        const int keptColumn = column_;
        const int keptRow = row_;
        const int keptColour = colour_;
        column_ = column;
        row_ = row;
        colour_ = colour;
        std::string redraw = CLEAR;
        renderChanges(blankGrid(), grid, redraw);
        if (redraw.size() < out.size()) {
            out.swap(redraw);
        } else {
            column_ = keptColumn;
            row_ = keptRow;
            colour_ = keptColour;
        }
    }
    for (int r = 0; r < ROWS; ++r) {
        if (changedRows >> r & 1) {
            const std::size_t at = std::size_t(r * COLUMNS);
            std::copy(&grid[at], &grid[at] + COLUMNS, &shown_[at]);
        }
    }
    if (synchronizedUpdate_ && out.size() >= TEARING_BYTES) {
        out.insert(0, BEGIN_UPDATE);
        out += END_UPDATE;
    }
    return out;
}
