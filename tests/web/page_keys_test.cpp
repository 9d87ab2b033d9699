// Keys the page reports (KeyboardEvent.key) reach the game as the bytes of
// the console's key read, as on every backend.
#include "platform/web/page_keys.h"

#include <gtest/gtest.h>

#include "support/backend_keys.h"

namespace {

std::u16string keyName(const BackendKeyCase& c) {
    switch (c.kind) {
        case BackendKeyCase::UP_ARROW:
            return u"ArrowUp";
        case BackendKeyCase::DOWN_ARROW:
            return u"ArrowDown";
        case BackendKeyCase::ENTER_KEY:
            return u"Enter";  // the keypad's has the same name
        case BackendKeyCase::ESCAPE_KEY:
            return u"Escape";
        case BackendKeyCase::CHARACTER:
            return std::u16string(1, c.character);
        case BackendKeyCase::SHIFT:
            return u"Shift";
        case BackendKeyCase::CONTROL:
            return u"Control";
        case BackendKeyCase::LEFT_ARROW:
            return u"ArrowLeft";
        case BackendKeyCase::RIGHT_ARROW:
            return u"ArrowRight";
        case BackendKeyCase::F1:
            return u"F1";
        case BackendKeyCase::HOME:
            return u"Home";
    }
    return u"";
}

TEST(PageKeys, EveryBackendsKeysAsTheConsoleReadGivesThem) {
    for (const BackendKeyCase& c : BACKEND_KEY_CASES) {
        const std::u16string name = keyName(c);
        EXPECT_EQ(keyBytes(name), c.bytes) << std::string(name.begin(), name.end());
    }
}

TEST(PageKeys, ThePagesOwnNames) {
    EXPECT_EQ(keyBytes(u"Backspace"), "\b");
    for (const char16_t* key : {u"Tab", u"Unidentified", u"", u"\U0001F600", u"\xD83D"}) {
        EXPECT_EQ(keyBytes(key), "") << std::u16string(key).size() << " units";
    }
}

}  // namespace
