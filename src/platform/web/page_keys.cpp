#include "platform/web/page_keys.h"

#include "platform/code_pages.h"
#include "platform/key_codes.h"

std::string keyBytes(const std::u16string& key) {
    if (key == u"ArrowUp") {
        return {char(KEY_ARROW_PREFIX), char(KEY_UP)};
    }
    if (key == u"ArrowDown") {
        return {char(KEY_ARROW_PREFIX), char(KEY_DOWN)};
    }
    if (key == u"Enter") {
        return {char(KEY_ENTER)};
    }
    if (key == u"Escape") {
        return "\x1B";
    }
    if (key == u"Backspace") {
        return "\b";
    }
    // A name of more than one unit is a key without a character; one unit
    // of a surrogate pair is a character outside Windows-1251 anyway.
    if (key.size() != 1) {
        return {};
    }
    const int byte = encodeCp1251(key[0]);
    if (byte == NOT_IN_CP1251 || (key[0] >= 0xD800 && key[0] < 0xE000)) {
        return {};
    }
    return std::string(1, char(byte));
}
