// The terminal model the presenter is checked against: the cursor moves it
// knows, and the terminal behaviours it can stand for.
#include "support/terminal_model.h"

#include <gtest/gtest.h>

namespace {

TerminalModel::Options lineFeedReturns() {
    TerminalModel::Options options;
    options.lineFeedReturns = true;
    return options;
}

TEST(TerminalModel, MovesToTheStartOfRowsBackspacesAndRowsByNumber) {
    TerminalModel terminal(80, 49);
    ASSERT_TRUE(terminal.apply("\x1b[10;20H\x1b[3E"));  // CNL
    EXPECT_EQ(terminal.cursorColumn(), 0);
    EXPECT_EQ(terminal.cursorRow(), 12);
    ASSERT_TRUE(terminal.apply("\x1b[5G\x1b[F"));  // CHA, CPL
    EXPECT_EQ(terminal.cursorColumn(), 0);
    EXPECT_EQ(terminal.cursorRow(), 11);
    ASSERT_TRUE(terminal.apply("ab\b\bX\x1b[40d"));  // backspaces, VPA
    EXPECT_EQ(terminal.cell(0, 11).ch, U'X');
    EXPECT_EQ(terminal.cell(1, 11).ch, U'b');
    EXPECT_EQ(terminal.cursorColumn(), 1);
    EXPECT_EQ(terminal.cursorRow(), 39);
    ASSERT_TRUE(terminal.apply("\r\b\x1b[99F"));  // both stop at the edge
    EXPECT_EQ(terminal.cursorColumn(), 0);
    EXPECT_EQ(terminal.cursorRow(), 0);
}

TEST(TerminalModel, ALineFeedKeepsTheColumnOrGoesToTheStartAsTheDriverDoes) {
    TerminalModel xterm(80, 49);
    ASSERT_TRUE(xterm.apply("\x1b[5;10H\n"));
    EXPECT_EQ(xterm.cursorColumn(), 9);
    EXPECT_EQ(xterm.cursorRow(), 5);
    TerminalModel driven(80, 49, lineFeedReturns());
    ASSERT_TRUE(driven.apply("\x1b[5;10H\n"));
    EXPECT_EQ(driven.cursorColumn(), 0);
    EXPECT_EQ(driven.cursorRow(), 5);
}

TEST(TerminalModel, ABackspaceAfterTheLastColumnIsAnError) {
    TerminalModel terminal(80, 49);
    EXPECT_FALSE(terminal.apply("\x1b[1;80Hx\b"));
    EXPECT_NE(terminal.error().find("backspace"), std::string::npos);
}

TEST(TerminalModel, DrawingNeedsNoSynchronizedUpdateUnlessAsked) {
    TerminalModel plain(80, 49);
    EXPECT_TRUE(plain.apply("\x1b[Hx"));
    TerminalModel::Options options;
    options.requireSynchronizedUpdate = true;
    TerminalModel strict(80, 49, options);
    EXPECT_FALSE(strict.apply("\x1b[Hx"));
    EXPECT_TRUE(strict.apply("\x1b[?2026h\x1b[Hx\x1b[?2026l"));
}

// The modes a terminal keeps from an earlier program: the model must see
// what they would do to a frame, or the presenter's tests prove nothing.
TEST(TerminalModel, ModesLeftBehindChangeWhereTextGoesOrAreErrors) {
    TerminalModel inserting(80, 49);
    EXPECT_FALSE(inserting.apply("\x1b[4h\x1b[Hx"));
    EXPECT_NE(inserting.error().find("insert mode"), std::string::npos);
    EXPECT_TRUE(inserting.apply("\x1b[4l\x1b[Hx"));

    TerminalModel origin(80, 49);
    ASSERT_TRUE(origin.apply("\x1b[5;30r\x1b[?6h\x1b[1;1Hx\x1b[99;3H"));
    EXPECT_EQ(origin.cell(0, 4).ch, U'x');
    EXPECT_EQ(origin.cursorRow(), 29);
    EXPECT_FALSE(origin.apply("\r\n"));  // the region would scroll
    ASSERT_TRUE(origin.apply("\x1b[?6l\x1b[r\x1b[49;1H"));
    EXPECT_EQ(origin.cursorRow(), 48);

    TerminalModel drawing(80, 49);
    EXPECT_TRUE(drawing.apply("\x1b(0ABC"));  // capitals look the same
    EXPECT_FALSE(drawing.apply("q"));
    EXPECT_TRUE(drawing.apply("\x1b(B\x1b)0q\x0eQ"));
    EXPECT_FALSE(drawing.apply("x"));
    EXPECT_TRUE(drawing.apply("\x0fx"));

    TerminalModel noWrap(80, 49);
    ASSERT_TRUE(noWrap.apply("\x1b[?7l\x1b[1;79Habc"));
    EXPECT_EQ(noWrap.cell(79, 0).ch, U'c');
    EXPECT_EQ(noWrap.cell(0, 1).ch, U' ');
}

}  // namespace
