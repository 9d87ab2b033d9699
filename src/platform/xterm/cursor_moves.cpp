#include "platform/xterm/cursor_moves.h"

namespace cursor_moves {

namespace {

constexpr int NEVER = 1000;

int digits(int n) {
    return n < 10 ? 1 : n < 100 ? 2 : 3;
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

// "CSI row;column H", the column left out when it is the first, the row too
// when both are.
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

// Along a row: CR, backspaces, forward or back (CUF, CUB), or straight to the
// column (CHA).
enum class Along { STAY, RETURN, BACKSPACES, FORWARD, BACK, TO_COLUMN };

Along planAlong(int from, int to, int& bytes) {
    bytes = 0;
    if (from == to) {
        return Along::STAY;
    }
    if (to == 0) {
        bytes = 1;
        return Along::RETURN;
    }
    Along best = to > from ? Along::FORWARD : Along::BACK;
    bytes = csiCost(to > from ? to - from : from - to);
    if (to < from && from - to < bytes) {
        best = Along::BACKSPACES;
        bytes = from - to;
    }
    if (3 + digits(to + 1) < bytes) {
        best = Along::TO_COLUMN;
        bytes = 3 + digits(to + 1);
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
        case Along::BACKSPACES:
            out.append(std::size_t(from - to), '\b');
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

// Between rows: up or down keeping the column (CUU, CUD, VPA) then along;
// to the start of the row (CNL, CPL, or CR and line feeds going down) then
// along; or CUP.
enum class Way { ALONG, JUMP, UP_DOWN, TO_ROW, ROW_START, LINE_FEEDS };

struct Plan {
    Way way = Way::JUMP;
    int bytes = NEVER;
};

Plan plan(int fromColumn, int fromRow, int toColumn, int toRow) {
    Plan best{Way::JUMP, cupCost(toColumn, toRow)};
    if (fromColumn == UNKNOWN) {
        return best;
    }
    auto consider = [&](Way way, int bytes) {
        if (bytes < best.bytes) {
            best = Plan{way, bytes};
        }
    };
    int along = 0;
    planAlong(fromColumn, toColumn, along);
    if (fromRow == toRow) {
        consider(Way::ALONG, along);
        return best;
    }
    const bool down = toRow > fromRow;
    const int rows = down ? toRow - fromRow : fromRow - toRow;
    consider(Way::UP_DOWN, csiCost(rows) + along);
    consider(Way::TO_ROW, 3 + (toRow == 0 ? 0 : digits(toRow + 1)) + along);
    int fromStart = 0;
    planAlong(0, toColumn, fromStart);
    consider(Way::ROW_START, csiCost(rows) + fromStart);
    if (down) {
        consider(Way::LINE_FEEDS, (fromColumn == 0 ? 0 : 1) + rows + fromStart);
    }
    return best;
}

}  // namespace

int csiCost(int n) {
    return n == 1 ? 3 : 3 + digits(n);
}

void appendCsi(int n, char final, std::string& out) {
    out += "\x1b[";
    if (n != 1) {
        appendNumber(n, out);
    }
    out += final;
}

int cost(int fromColumn, int fromRow, int toColumn, int toRow) {
    if (fromColumn == toColumn && fromRow == toRow) {
        return 0;
    }
    return plan(fromColumn, fromRow, toColumn, toRow).bytes;
}

void append(int fromColumn, int fromRow, int toColumn, int toRow, std::string& out) {
    if (fromColumn == toColumn && fromRow == toRow) {
        return;
    }
    int bytes = 0;
    const bool down = toRow > fromRow;
    const int rows = down ? toRow - fromRow : fromRow - toRow;
    switch (plan(fromColumn, fromRow, toColumn, toRow).way) {
        case Way::JUMP:
            appendCup(toColumn, toRow, out);
            return;
        case Way::ALONG:
            appendAlong(planAlong(fromColumn, toColumn, bytes), fromColumn, toColumn, out);
            return;
        case Way::UP_DOWN:
            appendCsi(rows, down ? 'B' : 'A', out);
            appendAlong(planAlong(fromColumn, toColumn, bytes), fromColumn, toColumn, out);
            return;
        case Way::TO_ROW:
            appendCsi(toRow + 1, 'd', out);
            appendAlong(planAlong(fromColumn, toColumn, bytes), fromColumn, toColumn, out);
            return;
        case Way::ROW_START:
            appendCsi(rows, down ? 'E' : 'F', out);
            appendAlong(planAlong(0, toColumn, bytes), 0, toColumn, out);
            return;
        case Way::LINE_FEEDS:
            if (fromColumn != 0) {
                out += '\r';
            }
            out.append(std::size_t(rows), '\n');
            appendAlong(planAlong(0, toColumn, bytes), 0, toColumn, out);
            return;
    }
}

}  // namespace cursor_moves
