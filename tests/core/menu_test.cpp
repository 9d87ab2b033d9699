#include "core/menu.h"

#include "console/colours.h"
#include "core/game_state.h"
#include "platform/key_codes.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"

namespace {

class MenuTest : public ConsoleTest {
  protected:
    void press(unsigned char key) {
        g_key = key;
        menu.handleKey();
        g_key = 0;
    }
    int highlighted() const {
        int found = -1;
        for (int i = 0; i < Menu::MENU_CAPACITY; ++i) {
            if (menu.items[i].selected) {
                EXPECT_EQ(found, -1) << "two highlighted choices";
                found = i;
            }
        }
        return found;
    }

    Menu menu;
};

TEST_F(MenuTest, ArrowsWrapAroundThreeChoices) {
    menu.addItem(MenuItem("A", true));
    menu.addItem(MenuItem("B", false));
    menu.addItem(MenuItem("C", false));
    press(KEY_DOWN);
    EXPECT_EQ(highlighted(), 1);
    press(KEY_DOWN);
    press(KEY_DOWN);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(menu.cursor, 0);
    press(KEY_UP);
    EXPECT_EQ(highlighted(), 2);
    EXPECT_EQ(menu.cursor, 2);
    press('x');  // other keys only refresh the cursor
    EXPECT_EQ(highlighted(), 2);
}

TEST_F(MenuTest, SingleChoiceStaysHighlighted) {
    menu.addItem(MenuItem("Далее", true));
    press(KEY_DOWN);
    press(KEY_UP);
    EXPECT_EQ(highlighted(), 0);
    EXPECT_EQ(menu.cursor, 0);
}

TEST_F(MenuTest, EmptyMenuIgnoresArrows) {
    press(KEY_DOWN);
    press(KEY_UP);
    EXPECT_EQ(highlighted(), -1);
    EXPECT_EQ(menu.cursor, 0);
}

TEST_F(MenuTest, DrawsNumberedChoicesEverySecondRowHighlightInGreen) {
    menu.addItem(MenuItem(cp1251("Угу").c_str(), true));
    menu.addItem(MenuItem(cp1251("Неа").c_str(), false));
    menu.addItem(MenuItem("", false));
    menu.draw(32, 36);
    EXPECT_TRUE(hasColouredTextAt(grid(), menuItem(0), "1 - Угу", COLOUR_GREEN));
    EXPECT_TRUE(hasColouredTextAt(grid(), menuItem(1), "2 - Неа", COLOUR_GREY));
    EXPECT_EQ(rowText(grid(), 40), std::string(32, ' ') + "3 -");
    EXPECT_EQ(console.colour(), COLOUR_GREY);  // the last choice's colour stays
}

TEST_F(MenuTest, SixthChoiceIsRefusedWithAMessage) {
    for (int i = 0; i < 5; ++i) {
        menu.addItem(MenuItem("x", i == 0));
    }
    console.moveCursor(0, 0);
    menu.addItem(MenuItem("sixth", false));
    EXPECT_EQ(menu.count, 5);
    EXPECT_EQ(rowText(grid(), 0), "Too many menu items");
}

TEST_F(MenuTest, SetItemRewritesTextAndKeepsCount) {
    menu.addItem(MenuItem("A", true));
    menu.addItem(MenuItem("B", false));
    menu.setItem(1, MenuItem("changed", menu.items[1].selected));
    menu.setItem(7, MenuItem("ignored", true));  // outside the slots: refused
    EXPECT_EQ(menu.count, 2);
    EXPECT_STREQ(menu.items[1].text.text(), "changed");
    EXPECT_EQ(highlighted(), 0);
}

}  // namespace
