// The keys a player types on Windows arrive as Unicode characters and must
// reach the game as the Windows-1251 bytes its texts are written in.
#include "platform/code_pages.h"

#include <gtest/gtest.h>

namespace {

TEST(EncodeCp1251, EveryDefinedByteComesBackFromItsCharacter) {
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x98) {
            continue;  // undefined in the code page: shown as '?'
        }
        EXPECT_EQ(encodeCp1251(decodeCp1251(static_cast<unsigned char>(byte))), byte)
            << "byte " << byte;
    }
}

TEST(EncodeCp1251, RussianLettersAndSignsOfTheKeyboard) {
    EXPECT_EQ(encodeCp1251(U'Ж'), 0xC6);
    EXPECT_EQ(encodeCp1251(U'я'), 0xFF);
    EXPECT_EQ(encodeCp1251(U'Ё'), 0xA8);
    EXPECT_EQ(encodeCp1251(U'ё'), 0xB8);
    EXPECT_EQ(encodeCp1251(U'№'), 0xB9);
    EXPECT_EQ(encodeCp1251(U'€'), 0x88);
    EXPECT_EQ(encodeCp1251(U'\r'), 13);
    EXPECT_EQ(encodeCp1251(U'?'), '?');
}

TEST(EncodeCp1251, CharactersOutsideTheCodePageHaveNoByte) {
    for (char32_t ch : {U'ä', U'ӓ', U'☺', U'中', U'\u0080', U'\uFFFD', U'\U0001F600'}) {
        EXPECT_EQ(encodeCp1251(ch), NOT_IN_CP1251) << "U+" << std::hex << unsigned(ch);
    }
}

}  // namespace
