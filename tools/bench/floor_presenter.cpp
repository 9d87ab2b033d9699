#include "floor_presenter.h"

#include <algorithm>
#include <climits>

#include "platform/glyphs.h"
#include "platform/utf8.h"
#include "platform/xterm/terminal_presenter.h"

namespace {

using Cell = VirtualConsole::Cell;

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
constexpr int CELLS = COLUMNS * ROWS;
// What has been erased ahead of the cursor: nothing, the rest of the row
// (EL), the rest of the screen (ED or a full clear).
constexpr int AS_SHOWN = 0;
constexpr int ROW_ERASED = 1;
constexpr int SCREEN_ERASED = 2;
constexpr int LAYERS = 3;
constexpr int COLOURS = 17;  // the 16 and "unknown"
constexpr int NO_COLOUR = 16;
// Cursor nodes by cell, lost-cursor nodes by row start (the row after a
// character in the last column), and the end.
constexpr int NODES_PER_PLACE = LAYERS * COLOURS;
constexpr int LOST_NODES = CELLS * NODES_PER_PLACE;
constexpr int END_NODE = LOST_NODES + (ROWS + 1) * NODES_PER_PLACE;
constexpr int INFINITE = INT_MAX / 4;
constexpr int COLOUR_BYTES = 5;  // CSI 3x m or CSI 9x m
constexpr int ERASE_BYTES = 3;   // CSI K, CSI J
constexpr const char* CLEAR = "\x1b[2J";
constexpr int CLEAR_BYTES = 4;
// Reset, grey on black, clear: what a terminal of unknown content gets,
// after the modes every frame relies on (the same as ours sends).
constexpr const char* FIRST_CLEAR = "\x1b[0;37;40m\x1b[2J";
// No move costs more than 8 bytes, so writing through more cells than 7 to
// reach a changed one never beats moving straight to it; an erase, though,
// may start anywhere in the blanks before it.
constexpr int MAX_WRITE_THROUGH = 7;
constexpr const char* BEGIN_UPDATE = "\x1b[?2026h";
constexpr const char* END_UPDATE = "\x1b[?2026l";

bool isBlank(const Cell& cell) {
    return glyphOf(cell.ch) == U' ';
}

bool looksSame(const Cell& a, const Cell& b) {
    const char32_t glyph = glyphOf(a.ch);
    return glyph == glyphOf(b.ch) && (glyph == U' ' || a.colour == b.colour);
}

int glyphBytes(const Cell& cell) {
    const char32_t ch = glyphOf(cell.ch);
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

std::string eraseChars(int count) {
    return "\x1b[" + (count == 1 ? std::string() : std::to_string(count)) + "X";
}

int cursorNode(int cell, int layer, int colour) {
    return (cell * LAYERS + layer) * COLOURS + colour;
}

int lostNode(int row, int layer, int colour) {
    return LOST_NODES + (row * LAYERS + layer) * COLOURS + colour;
}

bool isLost(int node) {
    return node >= LOST_NODES && node < END_NODE;
}

// The cell a node stands at: its cursor's, or for a lost cursor the start of
// the row where the work goes on.
int placeOf(int node) {
    return isLost(node) ? (node - LOST_NODES) / NODES_PER_PLACE * COLUMNS : node / NODES_PER_PLACE;
}

int layerOf(int node) {
    return node % NODES_PER_PLACE / COLOURS;
}

int colourOf(int node) {
    return node % COLOURS;
}

int liveIndex(int node) {
    return isLost(node) ? CELLS + (node - LOST_NODES) / NODES_PER_PLACE : node / NODES_PER_PLACE;
}

}  // namespace

enum class FloorPresenter::Edge : std::uint8_t {
    START,
    START_CLEAR,
    WRITE,
    MOVE,
    ERASE_LINE,
    ERASE_BELOW,
    ERASE_CHARS,  // then a move, or the end
    DONE,
};

FloorPresenter::FloorPresenter(std::size_t wrapFrom)
    : wrapFrom_(wrapFrom),
      cost_(std::size_t(END_NODE + 1), INFINITE),
      from_(std::size_t(END_NODE + 1), -1),
      edge_(std::size_t(END_NODE + 1), Edge::DONE),
      count_(std::size_t(END_NODE + 1), 0),
      live_(std::size_t(CELLS + ROWS + 1), 0),
      nextChanged_(std::size_t(CELLS + 1), CELLS),
      nextInked_(std::size_t(CELLS + 1), CELLS),
      blanksFrom_(std::size_t(CELLS), 0),
      changed_(std::size_t(CELLS), false) {
    shown_.fill(Cell{});
}

void FloorPresenter::assume(const Grid& shown, int column, int row, int colour) {
    shown_ = shown;
    cursor_ = column == UNKNOWN ? UNKNOWN : row * COLUMNS + column;
    colour_ = colour;
    known_ = true;
}

int FloorPresenter::nextNeed(int at, int layer) const {
    if (layer == AS_SHOWN) {
        return nextChanged_[std::size_t(at)];
    }
    if (layer == SCREEN_ERASED) {
        return nextInked_[std::size_t(at)];
    }
    const int rowEnd = (at / COLUMNS + 1) * COLUMNS;
    const int inked = nextInked_[std::size_t(at)];
    return inked < rowEnd ? inked : nextChanged_[std::size_t(rowEnd)];
}

void FloorPresenter::relax(int node, int cost, int from, Edge edge, int count) {
    if (cost >= cost_[std::size_t(node)]) {
        return;
    }
    if (cost_[std::size_t(node)] == INFINITE) {
        touched_.push_back(node);
    }
    cost_[std::size_t(node)] = cost;
    from_[std::size_t(node)] = from;
    edge_[std::size_t(node)] = edge;
    count_[std::size_t(node)] = std::uint8_t(count);
    if (node != END_NODE) {
        live_[std::size_t(liveIndex(node))] |= std::uint64_t(1) << (node % NODES_PER_PLACE);
    }
}

// Moves from the cursor to the cells just before the next one that needs
// anything, everything before it being done (`handled`): straight to it, or
// to a few cells before it to write through them.
void FloorPresenter::moveEdges(int node, int handled, int cursor, int layer, int colour, int cost,
                               Edge edge, int count) {
    const int next = nextNeed(handled, layer);
    if (next == CELLS) {
        relax(END_NODE, cost, node, edge == Edge::MOVE ? Edge::DONE : edge, count);
        return;
    }
    const int rowStart = next / COLUMNS * COLUMNS;
    const int first = std::max(
        {handled, rowStart, std::min(next - MAX_WRITE_THROUGH, blanksFrom_[std::size_t(next)])});
    for (int target = first; target <= next; ++target) {
        if (target == cursor) {
            if (edge == Edge::START || edge == Edge::START_CLEAR) {
                relax(cursorNode(target, layer, colour), cost, node, edge, count);
            }
            continue;
        }
        const int move = moves_.cost(cursor == UNKNOWN ? FloorMoves::LOST : cursor % COLUMNS,
                                     cursor == UNKNOWN ? 0 : cursor / COLUMNS, target % COLUMNS,
                                     target / COLUMNS);
        const int targetLayer =
            layer == ROW_ERASED && target / COLUMNS != handled / COLUMNS ? AS_SHOWN : layer;
        relax(cursorNode(target, targetLayer, colour), cost + move, node, edge, count);
    }
}

void FloorPresenter::plan(const Grid& want) {
    for (int i = CELLS - 1; i >= 0; --i) {
        changed_[std::size_t(i)] = !looksSame(want[std::size_t(i)], shown_[std::size_t(i)]);
        nextChanged_[std::size_t(i)] =
            changed_[std::size_t(i)] ? i : nextChanged_[std::size_t(i + 1)];
        nextInked_[std::size_t(i)] =
            isBlank(want[std::size_t(i)]) ? nextInked_[std::size_t(i + 1)] : i;
    }
    for (int i = 0; i < CELLS; ++i) {
        const bool afterBlank = i % COLUMNS != 0 && isBlank(want[std::size_t(i - 1)]);
        blanksFrom_[std::size_t(i)] = afterBlank ? blanksFrom_[std::size_t(i - 1)] : i;
    }
    const int startColour = colour_ == UNKNOWN ? NO_COLOUR : colour_;
    // Start as the terminal is, or after a full clear.
    if (cursor_ != UNKNOWN && cursor_ <= nextNeed(0, AS_SHOWN)) {
        relax(cursorNode(cursor_, AS_SHOWN, startColour), 0, -1, Edge::START, 0);
    }
    if (cursor_ != UNKNOWN && cursor_ <= nextNeed(0, SCREEN_ERASED)) {
        relax(cursorNode(cursor_, SCREEN_ERASED, startColour), CLEAR_BYTES, -1, Edge::START_CLEAR,
              0);
    }
    moveEdges(-1, 0, cursor_, AS_SHOWN, startColour, 0, Edge::START, 0);
    moveEdges(-1, 0, cursor_, SCREEN_ERASED, startColour, CLEAR_BYTES, Edge::START_CLEAR, 0);

    for (int cell = 0; cell < CELLS; ++cell) {
        if (cell % COLUMNS == 0) {
            // A lost cursor: only an absolute move goes on from here.
            const int row = cell / COLUMNS;
            for (int layer : {AS_SHOWN, SCREEN_ERASED}) {
                for (int colour = 0; colour < COLOURS; ++colour) {
                    const int node = lostNode(row, layer, colour);
                    if (cost_[std::size_t(node)] < INFINITE) {
                        moveEdges(node, cell, UNKNOWN, layer, colour, cost_[std::size_t(node)],
                                  Edge::MOVE, 0);
                    }
                }
            }
        }
        // Lowest first: an erase adds nodes of higher layers at this cell.
        std::uint64_t done = 0;
        for (;;) {
            const std::uint64_t waiting = live_[std::size_t(cell)] & ~done;
            if (waiting == 0) {
                break;
            }
            int bit = 0;
            while (!(waiting >> bit & 1)) {
                ++bit;
            }
            done |= std::uint64_t(1) << bit;
            const int node = cell * NODES_PER_PLACE + bit;
            const int layer = layerOf(node);
            const int colour = colourOf(node);
            const int cost = cost_[std::size_t(node)];
            if (nextNeed(cell, layer) == CELLS) {
                relax(END_NODE, cost, node, Edge::DONE, 0);
                continue;
            }
            // Write this cell, changed or not.
            const Cell& wanted = want[std::size_t(cell)];
            const bool blank = isBlank(wanted);
            const int colourBytes = !blank && colour != wanted.colour ? COLOUR_BYTES : 0;
            const int after = blank ? colour : wanted.colour;
            const int written = cost + glyphBytes(wanted) + colourBytes;
            if (cell % COLUMNS == COLUMNS - 1) {
                const int nextLayer = layer == SCREEN_ERASED ? SCREEN_ERASED : AS_SHOWN;
                relax(lostNode(cell / COLUMNS + 1, nextLayer, after), written, node, Edge::WRITE,
                      0);
            } else {
                relax(cursorNode(cell + 1, layer, after), written, node, Edge::WRITE, 0);
            }
            moveEdges(node, cell, cell, layer, colour, cost, Edge::MOVE, 0);
            if (layer == AS_SHOWN) {
                relax(cursorNode(cell, ROW_ERASED, colour), cost + ERASE_BYTES, node,
                      Edge::ERASE_LINE, 0);
            }
            if (layer != SCREEN_ERASED) {
                relax(cursorNode(cell, SCREEN_ERASED, colour), cost + ERASE_BYTES, node,
                      Edge::ERASE_BELOW, 0);
            }
            if (layer == AS_SHOWN && blank) {
                // ECH over the blanks from here up to each changed one of them.
                const int rowEnd = (cell / COLUMNS + 1) * COLUMNS;
                for (int last = cell; last < rowEnd && isBlank(want[std::size_t(last)]); ++last) {
                    if (changed_[std::size_t(last)]) {
                        const int count = last - cell + 1;
                        moveEdges(node, last + 1, cell, AS_SHOWN, colour,
                                  cost + int(eraseChars(count).size()), Edge::ERASE_CHARS, count);
                    }
                }
            }
        }
    }
    for (int layer : {AS_SHOWN, SCREEN_ERASED}) {
        for (int colour = 0; colour < COLOURS; ++colour) {
            const int node = lostNode(ROWS, layer, colour);
            if (cost_[std::size_t(node)] < INFINITE) {
                relax(END_NODE, cost_[std::size_t(node)], node, Edge::DONE, 0);
            }
        }
    }
    best_ = cost_[std::size_t(END_NODE)];
}

std::string FloorPresenter::emit(const Grid& want) {
    std::vector<int> path;
    for (int node = END_NODE; node >= 0; node = from_[std::size_t(node)]) {
        path.push_back(node);
    }
    std::reverse(path.begin(), path.end());
    std::string out;
    int cursor = cursor_;
    int colour = colour_;
    auto moveTo = [&](int cell) {
        moves_.append(cursor == UNKNOWN ? FloorMoves::LOST : cursor % COLUMNS,
                      cursor == UNKNOWN ? 0 : cursor / COLUMNS, cell % COLUMNS, cell / COLUMNS,
                      out);
        cursor = cell;
    };
    for (std::size_t k = 0; k < path.size(); ++k) {
        const int node = path[k];
        const int before = k == 0 ? -1 : path[k - 1];
        switch (edge_[std::size_t(node)]) {
            case Edge::START_CLEAR:
            case Edge::START:
                if (edge_[std::size_t(node)] == Edge::START_CLEAR) {
                    out += CLEAR;
                }
                if (node != END_NODE && placeOf(node) != cursor) {
                    moveTo(placeOf(node));
                }
                break;
            case Edge::WRITE: {
                const int cell = placeOf(before);
                const Cell& wanted = want[std::size_t(cell)];
                if (!isBlank(wanted) && wanted.colour != colour) {
                    out += TerminalPresenter::colourSequence(wanted.colour);
                    colour = wanted.colour;
                }
                appendUtf8(glyphOf(wanted.ch), out);
                cursor = cell % COLUMNS == COLUMNS - 1 ? UNKNOWN : cell + 1;
                break;
            }
            case Edge::MOVE:
                moveTo(placeOf(node));
                break;
            case Edge::ERASE_LINE:
                out += "\x1b[K";
                break;
            case Edge::ERASE_BELOW:
                out += "\x1b[J";
                break;
            case Edge::ERASE_CHARS:
                out += eraseChars(count_[std::size_t(node)]);
                if (node != END_NODE) {
                    moveTo(placeOf(node));
                }
                break;
            case Edge::DONE:
                break;
        }
    }
    cursor_ = cursor;
    colour_ = colour;
    return out;
}

std::string FloorPresenter::render(const Grid& grid) {
    std::string out;
    if (!known_) {
        out = TerminalPresenter::FRAME_MODES;
        out += FIRST_CLEAR;
        shown_.fill(Cell{U' ', 7});
        cursor_ = UNKNOWN;
        colour_ = 7;
        known_ = true;
    }
    bool same = true;
    for (int i = 0; i < CELLS && same; ++i) {
        same = looksSame(grid[std::size_t(i)], shown_[std::size_t(i)]);
    }
    if (same && out.empty()) {
        return out;
    }
    plan(grid);
    const std::string body = emit(grid);
    mismatches_ += int(body.size()) != best_;
    out += body;
    for (int node : touched_) {
        cost_[std::size_t(node)] = INFINITE;
        from_[std::size_t(node)] = -1;
    }
    touched_.clear();
    std::fill(live_.begin(), live_.end(), 0);
    shown_ = grid;
    if (wrapFrom_ > 0 && out.size() >= wrapFrom_) {
        out = BEGIN_UPDATE + out + END_UPDATE;
    }
    return out;
}
