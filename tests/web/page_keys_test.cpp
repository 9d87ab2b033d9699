// Keys the page reports (KeyboardEvent.key) reach the game as the bytes of
// the console's key read.
#include "platform/web/page_keys.h"

#include <gtest/gtest.h>

namespace {

TEST(PageKeys, ArrowsAndEnterAreTheConsoleReadsCodes) {
    EXPECT_EQ(keyBytes(u"ArrowUp"), "\xE0\x48");
    EXPECT_EQ(keyBytes(u"ArrowDown"), "\xE0\x50");
    EXPECT_EQ(keyBytes(u"Enter"), "\r");  // the keypad's Enter has the same name
    EXPECT_EQ(keyBytes(u"Escape"), "\x1B");
    EXPECT_EQ(keyBytes(u"Backspace"), "\b");
}

TEST(PageKeys, CharactersBecomeTheirWindows1251Bytes) {
    EXPECT_EQ(keyBytes(u"x"), "x");
    EXPECT_EQ(keyBytes(u" "), " ");
    EXPECT_EQ(keyBytes(u"ж"), "\xE6");
    EXPECT_EQ(keyBytes(u"Ё"), "\xA8");
}

TEST(PageKeys, KeysWithoutACharacterAndOtherAlphabetsGiveNothing) {
    for (const char16_t* key :
         {u"Shift", u"Control", u"ArrowLeft", u"ArrowRight", u"F1", u"Home", u"Tab",
          u"Unidentified", u"", u"ä", u"中", u"\U0001F600", u"\xD83D"}) {
        EXPECT_EQ(keyBytes(key), "") << std::u16string(key).size() << " units";
    }
}

}  // namespace
