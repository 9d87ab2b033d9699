#include "platform/key_decoder.h"

#include <gtest/gtest.h>

namespace {

std::string decode(const std::string& bytes, bool flushAtEnd = false) {
    KeyDecoder decoder;
    std::string keys;
    for (char byte : bytes) {
        decoder.feed(static_cast<unsigned char>(byte), keys);
    }
    if (flushAtEnd) {
        decoder.flush(keys);
    }
    return keys;
}

TEST(KeyDecoder, ArrowsInBothFormsBecomeThePrefixAndTheScanCode) {
    EXPECT_EQ(decode("\x1b[A"), "\xE0\x48");
    EXPECT_EQ(decode("\x1b[B"), "\xE0\x50");
    EXPECT_EQ(decode("\x1bOA"), "\xE0\x48");  // application cursor mode
    EXPECT_EQ(decode("\x1bOB\x1b[1;5A"), "\xE0\x50\xE0\x48");
}

TEST(KeyDecoder, EnterAndPlainKeysPassLineFeedCountsAsEnter) {
    EXPECT_EQ(decode("\r"), "\r");
    EXPECT_EQ(decode("\n"), "\r");
    EXPECT_EQ(decode("aH P"), "aH P");
}

TEST(KeyDecoder, OtherSequencesAreSwallowedWhole) {
    EXPECT_EQ(decode("\x1b[C\x1b[D\x1b[5~\x1b[200~x"), "x");  // right, left, page up, paste start
    EXPECT_EQ(decode("\x1b[<0;10;5M"), "");                   // a mouse report
    // However long its parameters, a sequence stays whole.
    EXPECT_EQ(decode("\x1b[" + std::string(100, '1') + "Aq"), "\xE0\x48q");
    // A sequence broken off by Enter still lets the Enter through.
    EXPECT_EQ(decode("\x1b[1\r"), "\r");
    EXPECT_EQ(decode("\x1bO\r"), "\r");
}

TEST(KeyDecoder, ControlStringsAreSwallowedUpToTheirTerminator) {
    // OSC, DCS, APC, PM and SOS, ended by BEL or ST, with any text.
    EXPECT_EQ(decode("\x1b]11;rgb:0/0/0\x07\x1bP1$r0m\x1b\\\x1b_G\x1b\\\x1b^p\x07\x1bXs\x1b\\x"),
              "x");
    EXPECT_EQ(decode("\x1b]2;" + std::string(u8"Джек") + "\x1b\\x"), "x");
    EXPECT_EQ(decode("\x1b]0;t\x1b[Ax"), "\xE0\x48x");  // any escape ends it and goes on
    EXPECT_EQ(decode("\x1bPq\rx"), "\rx");              // Enter breaks it off
    const std::string text(KeyDecoder::MAX_STRING, 'P');
    EXPECT_EQ(decode("\x1b]" + text + "\x07x"), "x");
    EXPECT_EQ(decode("\x1b]" + text + "H\x07"), "H\x07");  // too long: keys again
    EXPECT_EQ(decode("\x1b]0;cut short", true), "");
}

TEST(KeyDecoder, AUtf8CharacterIsOneKeyItsWindows1251Byte) {
    // What the Windows console delivers for the same key press: one byte.
    EXPECT_EQ(decode(u8"ж"), "\xE6");
    EXPECT_EQ(decode(u8"ЖёЁ№"), "\xC6\xB8\xA8\xB9");
    EXPECT_EQ(decode(u8"€"), "\x88");  // three bytes of UTF-8
    // No byte in the code page, no key: nothing that could act as Up or Down.
    EXPECT_EQ(decode(u8"中\U0001F600\u0800H"), "H");
    // A C1 control character is no key either.
    EXPECT_EQ(decode("\xC2\x9BJ"), "J");
    // Alt with a letter is the letter.
    EXPECT_EQ(decode("\x1b" + std::string(u8"ю")), "\xFE");
}

TEST(KeyDecoder, BytesThatMakeNoCharacterAreOneKeyAtMost) {
    // Stray continuation bytes and bytes that start nothing are keys of
    // their own, as Windows-1251 bytes: keys piped in from such a file.
    EXPECT_EQ(decode("\x80\xBF\xFF"), "\x80\xBF\xFF");
    EXPECT_EQ(decode("\xE6\xF3\xEA", true), "\xE6\xF3\xEA");  // "жук" in Windows-1251
    // An overlong form, a surrogate, a character beyond Unicode: one key,
    // the first byte.
    EXPECT_EQ(decode("\xC0\xAF"
                     "\xED\xA0\x80"
                     "\xF4\x90\x80\x80"),
              "\xC0\xED\xF4");
    // Cut short by a key: the key comes through at once, after the first byte.
    EXPECT_EQ(decode("\xD0\r"), "\xD0\r");
    EXPECT_EQ(decode("\xE2\x82H"), "\xE2H");
    EXPECT_EQ(decode("\xD1\x1b[A"), "\xD1\xE0\x48");
    EXPECT_EQ(decode(u8"\xD0ж"), "\xD0\xE6");
    // Cut short by the terminal going quiet, or by the end of the input.
    EXPECT_EQ(decode("\xF0\x9F\x98", true), "\xF0");
}

TEST(KeyDecoder, ThePrefixOfTheArrowsComesFromNoStrayByte) {
    // The byte 224 starts UTF-8 characters (U+0800 is E0 A0 80); passed on,
    // it would make the byte after it count as an arrow's scan code.
    EXPECT_EQ(decode("\xE0H\xE0P"), "HP");
    EXPECT_EQ(decode("\xE0\xA0\x80"), "");
    EXPECT_EQ(decode("\x1b\xE0\x1b[\xE0"), "");
    // The letter а is 224 in Windows-1251, as the Windows console gives it.
    EXPECT_EQ(decode(u8"а"), "\xE0");
}

TEST(KeyDecoder, LoneEscapeIsAKeyOnceTheTerminalGoesQuiet) {
    EXPECT_EQ(decode("\x1b", true), "\x1b");
    EXPECT_EQ(decode("\x1b\x1b[A"), "\x1b\xE0\x48");
    EXPECT_EQ(decode("\x1bx"), "x");  // Alt+x is x
    EXPECT_EQ(decode("\x1b[1;", true), "");
}

}  // namespace
