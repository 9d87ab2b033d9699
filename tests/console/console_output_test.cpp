#include "console/console_output.h"

#include "console/colours.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"

namespace {

using ConsoleOutput = ConsoleTest;

TEST_F(ConsoleOutput, LineFeedContinuesAtColumnZeroOfTheNextRow) {
    printAt(5, 3, "first\nsecond");
    EXPECT_TRUE(hasTextAt(grid(), 5, 3, "first"));
    EXPECT_TRUE(hasTextAt(grid(), 0, 4, "second"));
    EXPECT_EQ(rowText(grid(), 4), "second");
}

TEST_F(ConsoleOutput, TextPastTheLastColumnWrapsAndBelowTheLastRowIsDropped) {
    printAt(78, 2, "abcd");
    EXPECT_TRUE(hasTextAt(grid(), 78, 2, "ab"));
    EXPECT_TRUE(hasTextAt(grid(), 0, 3, "cd"));

    printAt(78, 48, "xyz");  // "z" would land on row 49, which does not exist
    EXPECT_TRUE(hasTextAt(grid(), 78, 48, "xy"));
    EXPECT_EQ(rowText(grid(), 0), "");
}

TEST_F(ConsoleOutput, PercentSignsArePrintedAsTheyAre) {
    printAt(0, 0, "100% %s %n %i");
    EXPECT_EQ(rowText(grid(), 0), "100% %s %n %i");
}

TEST_F(ConsoleOutput, PrintAtShowsWindows1251AndWriteRawShowsCodePage866) {
    printAt(0, 0, cp1251("Джек").c_str());
    EXPECT_EQ(rowText(grid(), 0), "Джек");
    // The same bytes written raw are read in the console's code page.
    console.moveCursor(0, 1);
    writeRaw("%s", cp1251("Джек").c_str());
    EXPECT_EQ(rowText(grid(), 1), "─цхъ");
}

TEST_F(ConsoleOutput, WriteRawFormatsShortAndLongTextsAlike) {
    writeRaw("plain |/");
    EXPECT_EQ(rowText(grid(), 0), "plain |/");

    // Longer than any one row, so it runs on over the next rows whole.
    const std::string long_(300, 'x');
    console.moveCursor(0, 2);
    writeRaw("<%s>%d%%", long_.c_str(), 7);
    const std::string shown = "<" + long_ + ">7%";
    for (int row = 0; row * 80 < static_cast<int>(shown.size()); ++row) {
        EXPECT_EQ(rowText(grid(), 2 + row), shown.substr(row * 80, 80)) << row;
    }
}

TEST_F(ConsoleOutput, TextTakesTheColourInForce) {
    setColour(COLOUR_WHITE);
    printAt(1, 1, "a");
    setColour(COLOUR_RED);
    printAt(2, 1, "b");
    EXPECT_EQ(colourAt(grid(), 1, 1), COLOUR_WHITE);
    EXPECT_EQ(colourAt(grid(), 2, 1), COLOUR_RED);
}

TEST_F(ConsoleOutput, BoxCoversRightPlusOneAndBottomPlusThree) {
    drawBox(28, 30, 76, 43);
    EXPECT_TRUE(hasTextAt(grid(), 28, 30, "O" + std::string(48, '-') + "O"));
    EXPECT_TRUE(hasTextAt(grid(), 28, 31, "|/"));
    EXPECT_TRUE(hasTextAt(grid(), 76, 31, "\\|"));
    EXPECT_TRUE(hasTextAt(grid(), 28, 32, "|"));
    EXPECT_TRUE(hasTextAt(grid(), 77, 32, "|"));
    EXPECT_TRUE(hasTextAt(grid(), 28, 45, "|\\"));
    EXPECT_TRUE(hasTextAt(grid(), 76, 45, "/|"));
    EXPECT_TRUE(hasTextAt(grid(), 28, 46, "O" + std::string(48, '-') + "O"));
    EXPECT_EQ(rowText(grid(), 47), "");
    EXPECT_EQ(textAt(grid(), 29, 33, 47), std::string(47, ' '));  // inside untouched
}

TEST_F(ConsoleOutput, FlatBoxHasFourRows) {
    drawBox(2, 5, 6, 5);
    EXPECT_EQ(rowText(grid(), 5), "  O----O");
    EXPECT_EQ(rowText(grid(), 6), "  |/  \\|");
    EXPECT_EQ(rowText(grid(), 7), "  |\\  /|");
    EXPECT_EQ(rowText(grid(), 8), "  O----O");
    EXPECT_EQ(rowText(grid(), 9), "");
}

TEST_F(ConsoleOutput, FrameLandsOnRowsZeroToFortyEightAndLeavesGrey) {
    printAt(10, 10, "inside");
    setColour(COLOUR_RED);
    drawFrame();
    EXPECT_EQ(rowText(grid(), 0), "." + std::string(78, '-') + ".");
    EXPECT_EQ(rowText(grid(), 48), "'" + std::string(78, '-') + "'");
    for (int row = 1; row <= 47; ++row) {
        EXPECT_EQ(textAt(grid(), 0, row, 1), "|") << row;
        EXPECT_EQ(textAt(grid(), 79, row, 1), "|") << row;
    }
    EXPECT_TRUE(hasTextAt(grid(), 10, 10, "inside"));
    EXPECT_EQ(console.colour(), COLOUR_GREY);
    EXPECT_EQ(colourAt(grid(), 0, 48), COLOUR_GREY);
}

}  // namespace
