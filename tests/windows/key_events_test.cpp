// Keys typed on the Windows console must reach the game as the bytes its
// single-key read gives: the arrows as a pair, Enter as 13, letters in
// Windows-1251, and nothing for what is no key press of a character.
#include "platform/windows/key_events.h"

#include <gtest/gtest.h>

namespace {

KEY_EVENT_RECORD press(WORD virtualKey, wchar_t ch = 0, WORD repeat = 1) {
    KEY_EVENT_RECORD event{};
    event.bKeyDown = TRUE;
    event.wRepeatCount = repeat;
    event.wVirtualKeyCode = virtualKey;
    event.uChar.UnicodeChar = ch;
    return event;
}

TEST(KeyEvents, ArrowsAndEnterAreTheConsoleReadsCodes) {
    EXPECT_EQ(keyBytes(press(VK_UP)), "\xE0\x48");
    EXPECT_EQ(keyBytes(press(VK_DOWN)), "\xE0\x50");
    EXPECT_EQ(keyBytes(press(VK_RETURN, L'\r')), "\r");
    EXPECT_EQ(keyBytes(press(VK_DOWN, 0, 3)), "\xE0\x50\xE0\x50\xE0\x50");  // a held key
}

TEST(KeyEvents, CharactersBecomeTheirWindows1251Bytes) {
    EXPECT_EQ(keyBytes(press('X', L'x')), "x");
    EXPECT_EQ(keyBytes(press(VK_OEM_1, L'ж')), "\xE6");
    EXPECT_EQ(keyBytes(press(VK_OEM_3, L'Ё')), "\xA8");
    EXPECT_EQ(keyBytes(press(VK_ESCAPE, 27)), "\x1B");
    EXPECT_EQ(keyBytes(press(VK_SPACE, L' ', 2)), "  ");
}

TEST(KeyEvents, ReleasesAndKeysWithoutACharacterGiveNothing) {
    KEY_EVENT_RECORD release = press(VK_DOWN);
    release.bKeyDown = FALSE;
    EXPECT_EQ(keyBytes(release), "");
    release = press(VK_RETURN, L'\r');
    release.bKeyDown = FALSE;
    EXPECT_EQ(keyBytes(release), "");
    for (WORD key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LEFT, VK_RIGHT, VK_F1, VK_HOME}) {
        EXPECT_EQ(keyBytes(press(key)), "") << "virtual key " << key;
    }
    // A character of another alphabet has no Windows-1251 byte to give.
    EXPECT_EQ(keyBytes(press(VK_OEM_7, L'ä')), "");
    EXPECT_EQ(keyBytes(press(0, L'中')), "");
}

}  // namespace
