// Keys typed on the Windows console reach the game as the bytes its
// single-key read gives, as on every backend; a held key repeats them.
#include "platform/windows/key_events.h"

#include <gtest/gtest.h>

#include "support/backend_keys.h"

namespace {

KEY_EVENT_RECORD press(WORD virtualKey, wchar_t ch = 0, WORD repeat = 1) {
    KEY_EVENT_RECORD event{};
    event.bKeyDown = TRUE;
    event.wRepeatCount = repeat;
    event.wVirtualKeyCode = virtualKey;
    event.uChar.UnicodeChar = ch;
    return event;
}

KEY_EVENT_RECORD pressOf(const BackendKeyCase& c) {
    switch (c.kind) {
        case BackendKeyCase::UP_ARROW:
            return press(VK_UP);
        case BackendKeyCase::DOWN_ARROW:
            return press(VK_DOWN);
        case BackendKeyCase::ENTER_KEY:
            return press(VK_RETURN, L'\r');
        case BackendKeyCase::ESCAPE_KEY:
            return press(VK_ESCAPE, 27);
        case BackendKeyCase::CHARACTER:
            return press(VK_OEM_1, static_cast<wchar_t>(c.character));
        case BackendKeyCase::SHIFT:
            return press(VK_SHIFT);
        case BackendKeyCase::CONTROL:
            return press(VK_CONTROL);
        case BackendKeyCase::LEFT_ARROW:
            return press(VK_LEFT);
        case BackendKeyCase::RIGHT_ARROW:
            return press(VK_RIGHT);
        case BackendKeyCase::F1:
            return press(VK_F1);
        case BackendKeyCase::HOME:
            return press(VK_HOME);
    }
    return press(0);
}

TEST(KeyEvents, EveryBackendsKeysAsTheConsoleReadGivesThem) {
    for (const BackendKeyCase& c : BACKEND_KEY_CASES) {
        EXPECT_EQ(keyBytes(pressOf(c)), c.bytes) << "case " << &c - BACKEND_KEY_CASES;
    }
}

TEST(KeyEvents, AHeldKeyRepeatsAndAReleaseGivesNothing) {
    EXPECT_EQ(keyBytes(press(VK_DOWN, 0, 3)), "\xE0\x50\xE0\x50\xE0\x50");
    EXPECT_EQ(keyBytes(press(VK_SPACE, L' ', 2)), "  ");
    for (KEY_EVENT_RECORD release : {press(VK_DOWN), press(VK_RETURN, L'\r'), press('X', L'x')}) {
        release.bKeyDown = FALSE;
        EXPECT_EQ(keyBytes(release), "");
    }
    EXPECT_EQ(keyBytes(press(VK_MENU)), "");
}

}  // namespace
