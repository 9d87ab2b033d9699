#include "floor_moves.h"

#include <algorithm>

#include "platform/virtual_console.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
constexpr int CELLS = COLUMNS * ROWS;
constexpr int NONE = 1000;

// A step moves one coordinate to the target's (or the column to 0). A place
// in between with any other coordinate never pays: one step straight to the
// target's coordinate costs no more than two steps through it.
enum class Step { RETURN, ALONG, UP_DOWN, NEXT_LINE, JUMP };
constexpr Step STEPS[] = {Step::RETURN, Step::ALONG, Step::UP_DOWN, Step::NEXT_LINE, Step::JUMP};

struct Place {
    int column;  // FloorMoves::LOST when unknown
    int row;
};

int digits(int n) {
    return n < 10 ? 1 : n < 100 ? 2 : 3;
}

// "CSI n F", the number left out when it is 1.
int csi(int n, char final, std::string* out) {
    if (out != nullptr) {
        *out += "\x1b[" + (n == 1 ? std::string() : std::to_string(n)) + final;
    }
    return n == 1 ? 3 : 3 + digits(n);
}

int repeated(int n, char byte, std::string* out) {
    if (out != nullptr) {
        out->append(std::size_t(n), byte);
    }
    return n;
}

// Bytes of the cheapest form of one step from `at` towards `to`, appended
// to `out` when given, and where it lands; NONE when it does not apply.
int step(Step kind, Place& at, const Place& to, std::string* out) {
    if (kind == Step::JUMP) {
        at = to;
        if (out != nullptr) {
            *out += "\x1b[";
            if (to.column != 0 || to.row != 0) {
                *out += std::to_string(to.row + 1);
            }
            if (to.column != 0) {
                *out += ";" + std::to_string(to.column + 1);
            }
            *out += "H";
        }
        if (to.column == 0) {
            return to.row == 0 ? 3 : 3 + digits(to.row + 1);
        }
        return 4 + digits(to.row + 1) + digits(to.column + 1);
    }
    if (at.column == FloorMoves::LOST) {
        return NONE;
    }
    // The cheapest of the forms, each given as its bytes and a way to write it.
    int best = NONE;
    int choice = -1;
    auto consider = [&](int bytes, int form) {
        if (bytes < best) {
            best = bytes;
            choice = form;
        }
    };
    const int across = to.column - at.column;
    const int down = to.row - at.row;
    switch (kind) {
        case Step::RETURN:
            if (at.column == 0) {
                return NONE;
            }
            at.column = 0;
            return repeated(1, '\r', out);
        case Step::ALONG:
            if (across == 0) {
                return NONE;
            }
            consider(csi(across > 0 ? across : -across, 'C', nullptr), 0);
            consider(csi(to.column + 1, 'G', nullptr), 1);
            if (across < 0) {
                consider(-across, 2);
            }
            at.column = to.column;
            if (out != nullptr) {
                choice == 0   ? csi(across > 0 ? across : -across, across > 0 ? 'C' : 'D', out)
                : choice == 1 ? csi(to.column + 1, 'G', out)
                              : repeated(-across, '\b', out);
            }
            return best;
        case Step::UP_DOWN:
            if (down == 0) {
                return NONE;
            }
            consider(csi(down > 0 ? down : -down, 'A', nullptr), 0);
            consider(csi(to.row + 1, 'd', nullptr), 1);
            if (down > 0 && at.column == 0) {
                consider(down, 2);
            }
            at.row = to.row;
            if (out != nullptr) {
                choice == 0   ? csi(down > 0 ? down : -down, down > 0 ? 'B' : 'A', out)
                : choice == 1 ? csi(to.row + 1, 'd', out)
                              : repeated(down, '\n', out);
            }
            return best;
        case Step::NEXT_LINE:
            if (down == 0) {
                return NONE;
            }
            at.row = to.row;
            at.column = 0;
            return csi(down > 0 ? down : -down, down > 0 ? 'E' : 'F', out);
        case Step::JUMP:
            break;
    }
    return NONE;
}

}  // namespace

FloorMoves::FloorMoves() : known_(std::size_t(CELLS + 1) * CELLS, -1) {}

int FloorMoves::search(int fromColumn, int fromRow, int toColumn, int toRow,
                       std::string* out) const {
    const Place from{fromColumn, fromRow};
    const Place to{toColumn, toRow};
    if (fromColumn == toColumn && fromRow == toRow) {
        return 0;
    }
    // Every sequence of one, two or three steps, by its code in base 5.
    int best = NONE;
    int bestCode = 0;
    int bestLength = 0;
    for (int length = 1, total = 5; length <= 3; ++length, total *= 5) {
        for (int code = 0; code < total; ++code) {
            Place at = from;
            int bytes = 0;
            for (int k = 0, rest = code; k < length && bytes < best; ++k, rest /= 5) {
                bytes += step(STEPS[rest % 5], at, to, nullptr);
            }
            if (bytes < best && at.column == to.column && at.row == to.row) {
                best = bytes;
                bestCode = code;
                bestLength = length;
            }
        }
    }
    if (out != nullptr) {
        Place at = from;
        for (int k = 0, rest = bestCode; k < bestLength; ++k, rest /= 5) {
            step(STEPS[rest % 5], at, to, out);
        }
    }
    return best;
}

int FloorMoves::cost(int fromColumn, int fromRow, int toColumn, int toRow) {
    const int from = fromColumn == LOST ? CELLS : fromRow * COLUMNS + fromColumn;
    signed char& known =
        known_[std::size_t(from) * CELLS + std::size_t(toRow * COLUMNS + toColumn)];
    if (known < 0) {
        known = static_cast<signed char>(search(fromColumn, fromRow, toColumn, toRow, nullptr));
    }
    return known;
}

void FloorMoves::append(int fromColumn, int fromRow, int toColumn, int toRow, std::string& out) {
    search(fromColumn, fromRow, toColumn, toRow, &out);
}
