#include "platform/spoken_keys.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"

namespace {

TEST(SpokenKeys, LettersSayAndDigitsMoveTheHighlight) {
    FrameRecord town;
    town.menu.choices = {"a", "b", "c", "d", "e"};
    town.menu.highlighted = 1;
    town.spoken.status = "status";
    town.spoken.screen = "screen";
    const std::string up = {char(KEY_ARROW_PREFIX), char(KEY_UP)};
    const std::string down = {char(KEY_ARROW_PREFIX), char(KEY_DOWN)};
    const struct {
        unsigned char key;
        SpokenKey answer;
    } cases[] = {
        {'h', {"status", ""}},
        {'H', {"status", ""}},
        {0xD0 /* Р */, {"status", ""}},
        {0xF0 /* р */, {"status", ""}},
        {'r', {"screen", ""}},
        {0xCA /* К */, {"screen", ""}},
        {'1', {"", up}},
        {'4', {"", down + down}},
        {'2', {"", "2"}},
        {'6', {"", "6"}},
        {'0', {"", "0"}},
        {'\r', {"", "\r"}},
    };
    for (const auto& c : cases) {
        const SpokenKey answer = spokenKey(c.key, town);
        EXPECT_EQ(answer.say, c.answer.say) << int(c.key);
        EXPECT_EQ(answer.keys, c.answer.keys) << int(c.key);
    }
    // Where there is nothing to say (the title), the letters are keys too.
    EXPECT_EQ(spokenKey('h', FrameRecord{}).keys, "h");
    EXPECT_EQ(spokenKey('1', FrameRecord{}).keys, "1");
}

}  // namespace

namespace {

TEST(SpokenConsole, AnArrowsSecondByteIsNoLetterAndADigitsMovesAreToldOnce) {
    FrameRecord town;
    town.menu.choices = {"a", "b", "c"};
    town.menu.highlighted = 0;
    town.spoken.status = "status";
    SpokenConsole console;
    EXPECT_TRUE(console.show(town, false));
    EXPECT_FALSE(console.show(town, true)) << "keys typed ahead tell instead";

    std::string said;
    for (const unsigned char key :
         {KEY_ARROW_PREFIX, KEY_UP, (unsigned char)'H', (unsigned char)'3'}) {
        said += console.type(key);
    }
    EXPECT_EQ(said, "status");
    // The frames the digit's moves make are not told but the last one.
    EXPECT_FALSE(console.show(town, false));
    std::string given;
    while (console.hasKey()) {
        given += char(console.takeKey());
    }
    EXPECT_EQ(given, std::string("\xE0\x48\xE0\x50\xE0\x50"));
    EXPECT_TRUE(console.show(town, false));
}

}  // namespace
