#include "core/roubles.h"

#include "platform/russian_text.h"

const char* roubleWord(std::int32_t amount) {
    // The last two digits decide; taken before the sign is dropped, so that
    // the lowest int32 has no absolute value to overflow.
    std::int32_t lastTwo = amount % 100;
    if (lastTwo < 0) {
        lastTwo = -lastTwo;
    }
    const std::int32_t last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14) {
        return RU("рублей");
    }
    if (last == 1) {
        return RU("рубль");
    }
    if (last >= 2 && last <= 4) {
        return RU("рубля");
    }
    return RU("рублей");
}
