#include "platform/windows/key_events.h"

#include "platform/code_pages.h"
#include "platform/key_codes.h"

namespace {

std::string oneKey(const KEY_EVENT_RECORD& event) {
    switch (event.wVirtualKeyCode) {
        case VK_UP:
            return {char(KEY_ARROW_PREFIX), char(KEY_UP)};
        case VK_DOWN:
            return {char(KEY_ARROW_PREFIX), char(KEY_DOWN)};
        case VK_RETURN:
            return "\r";
        default:
            break;
    }
    const int byte = encodeCp1251(event.uChar.UnicodeChar);
    if (event.uChar.UnicodeChar == 0 || byte == NOT_IN_CP1251) {
        return {};
    }
    return std::string(1, char(byte));
}

}  // namespace

std::string keyBytes(const KEY_EVENT_RECORD& event) {
    if (!event.bKeyDown) {
        return {};
    }
    const std::string key = oneKey(event);
    std::string keys;
    // A held key arrives once with its count; a count of 0 still is a press.
    const WORD presses = event.wRepeatCount > 0 ? event.wRepeatCount : 1;
    for (WORD i = 0; i < presses; ++i) {
        keys += key;
    }
    return keys;
}
