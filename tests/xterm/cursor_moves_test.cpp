// The presenter's cursor moves, worked out by formula, against the floor's
// search of every sequence of up to three moves: the same bytes, and the
// move lands where it should on both kinds of terminal.
#include "platform/xterm/cursor_moves.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "floor_moves.h"
#include "platform/virtual_console.h"
#include "support/terminal_model.h"

namespace {

struct Spot {
    int column;
    int row;
};

// Places where the numbers change length, the edges, and random ones.
std::vector<Spot> places() {
    std::vector<Spot> all;
    for (int row : {0, 1, 2, 8, 9, 10, 11, 12, 47, 48}) {
        for (int column : {0, 1, 2, 3, 8, 9, 10, 11, 78, 79}) {
            all.push_back(Spot{column, row});
        }
    }
    std::mt19937 random(7);
    for (int k = 0; k < 60; ++k) {
        all.push_back(
            Spot{int(random() % VirtualConsole::COLUMNS), int(random() % VirtualConsole::ROWS)});
    }
    return all;
}

// A terminal with its cursor at the place, without knowing how it got there.
TerminalModel terminalAt(const Spot& place, TerminalModel::Options options) {
    TerminalModel terminal(VirtualConsole::COLUMNS, VirtualConsole::ROWS, options);
    std::string cup =
        "\x1b[" + std::to_string(place.row + 1) + ";" + std::to_string(place.column + 1) + "H";
    EXPECT_TRUE(terminal.apply(cup));
    return terminal;
}

TEST(CursorMoves, EveryMoveIsTheCheapestOfUpToThreeStepsAndLandsThere) {
    FloorMoves floor;
    TerminalModel::Options lineFeedReturns;
    lineFeedReturns.lineFeedReturns = true;
    const std::vector<Spot> all = places();
    for (const Spot& from : all) {
        for (const Spot& to : all) {
            const int cost = cursor_moves::cost(from.column, from.row, to.column, to.row);
            ASSERT_EQ(cost, floor.cost(from.column, from.row, to.column, to.row))
                << "from " << from.column << "," << from.row << " to " << to.column << ","
                << to.row;
            std::string bytes;
            cursor_moves::append(from.column, from.row, to.column, to.row, bytes);
            ASSERT_EQ(int(bytes.size()), cost);
            for (const TerminalModel::Options& options :
                 {TerminalModel::Options{}, lineFeedReturns}) {
                TerminalModel terminal = terminalAt(from, options);
                ASSERT_TRUE(terminal.apply(bytes)) << terminal.error();
                ASSERT_EQ(terminal.cursorColumn(), to.column);
                ASSERT_EQ(terminal.cursorRow(), to.row);
            }
        }
    }
}

TEST(CursorMoves, FromAnUnknownPlaceOnlyAnAbsoluteMove) {
    std::string bytes;
    cursor_moves::append(cursor_moves::UNKNOWN, 5, 6, 5, bytes);
    EXPECT_EQ(bytes, "\x1b[6;7H");
    bytes.clear();
    cursor_moves::append(cursor_moves::UNKNOWN, 0, 0, 0, bytes);
    EXPECT_EQ(bytes, "\x1b[H");
    EXPECT_EQ(cursor_moves::cost(cursor_moves::UNKNOWN, 0, 0, 9), 5);  // CSI 10 H
    EXPECT_EQ(cursor_moves::cost(4, 4, 4, 4), 0);
}

}  // namespace
