#include "data/sprite_sheet.h"

#include "support/console_fixture.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

// A well-formed sprite: ten rows of 19 characters plus a discarded 20th.
std::string sprite(char fill, const std::string& name, const std::string& lineBreak = "\n") {
    std::string text;
    for (int row = 0; row < 10; ++row) {
        text += std::string(19, fill) + "#" + lineBreak;
    }
    return text + name + lineBreak;
}

class SpriteSheetTest : public ConsoleTest {
  protected:
    TempDir dir;
};

TEST_F(SpriteSheetTest, ReadsEverySpriteAndDropsTheTwentiethCharacter) {
    dir.write("s.txt", "2\n" + sprite('a', "first") + sprite('b', "second"));
    SpriteSheet sheet(dir.file("s.txt").c_str());
    ASSERT_EQ(sheet.count(), 2);
    EXPECT_STREQ(sheet.name(1).text(), "second");
    EXPECT_EQ(std::string(sheet.sprite(0)->rows[9]), std::string(19, 'a'));
    EXPECT_EQ(std::string(sheet.sprite(1)->rows[0]), std::string(19, 'b'));
}

TEST_F(SpriteSheetTest, WindowsAndUnixLineEndingsReadTheSame) {
    dir.write("lf.txt", "2\n" + sprite('a', "one") + sprite('b', "two"));
    dir.write("crlf.txt", "2\r\n" + sprite('a', "one", "\r\n") + sprite('b', "two", "\r\n"));
    SpriteSheet lf(dir.file("lf.txt").c_str());
    SpriteSheet crlf(dir.file("crlf.txt").c_str());
    ASSERT_EQ(crlf.count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_STREQ(lf.name(i).text(), crlf.name(i).text());
        for (int row = 0; row < 10; ++row) {
            EXPECT_STREQ(lf.sprite(i)->rows[row], crlf.sprite(i)->rows[row]);
        }
    }
}

TEST_F(SpriteSheetTest, CountsInOctalAndHexadecimal) {
    dir.write("octal.txt", "010\n");
    dir.write("hex.txt", "0x0A\n");
    EXPECT_EQ(SpriteSheet(dir.file("octal.txt").c_str()).count(), 8);
    EXPECT_EQ(SpriteSheet(dir.file("hex.txt").c_str()).count(), 10);
}

TEST_F(SpriteSheetTest, FileEndingEarlyLeavesTheRestEmpty) {
    std::string text = "3\n";
    for (int row = 0; row < 5; ++row) {
        text += std::string(19, 'z') + " \n";
    }
    dir.write("short.txt", text);
    SpriteSheet sheet(dir.file("short.txt").c_str());
    ASSERT_EQ(sheet.count(), 3);
    EXPECT_STREQ(sheet.sprite(0)->rows[4], std::string(19, 'z').c_str());
    EXPECT_STREQ(sheet.sprite(0)->rows[5], "");
    EXPECT_STREQ(sheet.name(0).text(), "");
    EXPECT_STREQ(sheet.sprite(2)->rows[0], "");
}

TEST_F(SpriteSheetTest, AFinalNameWithoutALineBreakIsReadWhole) {
    std::string text = "1\n" + sprite('a', "");
    text.pop_back();  // no name line break...
    text += "Frog";   // ...and a name that ends the file
    dir.write("s.txt", text);
    SpriteSheet sheet(dir.file("s.txt").c_str());
    EXPECT_STREQ(sheet.name(0).text(), "Frog");

    // A lone carriage return ending the file goes too; one inside stays.
    dir.write("cr.txt", text + "\r");
    EXPECT_STREQ(SpriteSheet(dir.file("cr.txt").c_str()).name(0).text(), "Frog");
    dir.write("mid.txt", text.substr(0, text.size() - 2) + "\rog\n");
    EXPECT_STREQ(SpriteSheet(dir.file("mid.txt").c_str()).name(0).text(), "Fr\rog");
}

TEST_F(SpriteSheetTest, ShortRowThrowsTheRestOutOfStep) {
    std::string text = "1\nshort\n" + sprite('a', "name");
    dir.write("s.txt", text);
    SpriteSheet sheet(dir.file("s.txt").c_str());
    EXPECT_STREQ(sheet.sprite(0)->rows[0], "short\n");
    // The two characters after the short row were the next row's first two.
    EXPECT_EQ(std::string(sheet.sprite(0)->rows[1]), std::string(17, 'a') + "#\n");
}

TEST_F(SpriteSheetTest, MissingFileIsReportedAtTheCursorAndLeavesItEmpty) {
    console.moveCursor(3, 4);
    SpriteSheet sheet("NoSuchFile.txt");
    EXPECT_EQ(sheet.count(), 0);
    EXPECT_TRUE(hasTextAt(grid(), 3, 4, "File NoSuchFile.txt not found"));
    sheet.draw(0, 10, 10);  // an empty sheet draws nothing, and does not fail
    EXPECT_EQ(rowText(grid(), 11), "");
}

TEST_F(SpriteSheetTest, NonsenseCountsGiveAnEmptySheet) {
    for (const char* count : {"0", "-3", "2147483647", "99999999999999", "junk"}) {
        dir.write("s.txt", std::string(count) + "\n" + sprite('a', "x"));
        EXPECT_EQ(SpriteSheet(dir.file("s.txt").c_str()).count(), 0) << count;
    }
}

TEST_F(SpriteSheetTest, DrawsTenRowsBelowTheOriginRowAndNothingOutsideTheSheet) {
    dir.write("s.txt", "1\n" + sprite('q', "x"));
    SpriteSheet sheet(dir.file("s.txt").c_str());
    sheet.draw(0, 56, 2);
    EXPECT_EQ(rowText(grid(), 2), "");
    for (int row = 3; row <= 12; ++row) {
        EXPECT_TRUE(hasTextAt(grid(), 56, row, std::string(19, 'q'))) << row;
    }
    EXPECT_EQ(rowText(grid(), 13), "");
    sheet.draw(1, 0, 20);
    sheet.draw(-1, 0, 20);
    EXPECT_EQ(rowText(grid(), 21), "");
}

}  // namespace
