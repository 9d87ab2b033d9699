// A frame reaches the page as the rows that changed, each as 80 glyphs and
// 80 colours.
#include "platform/web/page_rows.h"

#include <gtest/gtest.h>

#include "support/screen_text.h"

namespace {

VirtualConsole::Grid blank() {
    return VirtualConsole::Grid{};
}

TEST(PageRows, EveryRowWhenNothingIsShownYetNoneWhenNothingChanged) {
    const VirtualConsole::Grid grid = blank();
    const RowUpdate all = changedRows(nullptr, grid);
    ASSERT_EQ(all.rows.size(), std::size_t(VirtualConsole::ROWS));
    EXPECT_EQ(all.rows.front(), 0);
    EXPECT_EQ(all.rows.back(), VirtualConsole::ROWS - 1);
    EXPECT_EQ(all.text.size(), all.rows.size() * COLUMNS);
    EXPECT_EQ(all.colours.size(), all.rows.size() * COLUMNS);

    const RowUpdate none = changedRows(&grid, grid);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(none.text.empty());
    EXPECT_TRUE(none.colours.empty());
}

TEST(PageRows, AColourAloneChangesItsRowAndOnlyThatOne) {
    const VirtualConsole::Grid before = blank();
    VirtualConsole::Grid after = before;
    after[47 * COLUMNS + 79].colour = 2;
    after[3 * COLUMNS].ch = U'Ж';
    const RowUpdate update = changedRows(&before, after);
    EXPECT_EQ(update.rows, (std::vector<int>{3, 47}));
    EXPECT_EQ(update.text[0], u'Ж');
    EXPECT_EQ(update.colours[COLUMNS + 79], 2);
    EXPECT_EQ(update.colours[COLUMNS + 78], 7);
}

TEST(PageRows, CellsShowTheirGlyphsOneUnitEachInTextColours) {
    VirtualConsole::Grid grid = blank();
    const char32_t cells[] = {U'\x01', U'\x7F', U'\x85',   U'\U0001F600',
                              U'\x0D', U'╬',    U'\u00AD', U'\u00A0'};
    for (int i = 0; i < 8; ++i) {
        grid[i].ch = cells[i];
    }
    grid[8].colour = 0x4E;  // a background the page does not draw
    const RowUpdate update = changedRows(nullptr, grid);
    EXPECT_EQ(update.text.size(), std::size_t(VirtualConsole::ROWS * COLUMNS));
    // A soft hyphen would take no cell in a browser: it shows as a hyphen.
    EXPECT_EQ(std::u16string(update.text.begin(), update.text.begin() + 8), u"☺⌂??♪╬-\u00A0");
    EXPECT_EQ(update.colours[8], 0x0E);
}

}  // namespace
