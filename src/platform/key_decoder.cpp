#include "platform/key_decoder.h"

#include "platform/code_pages.h"
#include "platform/key_codes.h"

namespace {
constexpr unsigned char ESC = 0x1B;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
}  // namespace

void KeyDecoder::finishSequence(unsigned char final, std::string& keys) {
    if (final == 'A') {
        keys += char(KEY_ARROW_PREFIX);
        keys += char(KEY_UP);
    } else if (final == 'B') {
        keys += char(KEY_ARROW_PREFIX);
        keys += char(KEY_DOWN);
    }
    state_ = State::Plain;
}

void KeyDecoder::startCharacter(unsigned char lead) {
    // C0 and C1 would only start overlong forms of ASCII; F5 and above
    // characters beyond Unicode. Such a byte, or a continuation byte on its
    // own, is no character at all.
    if (lead >= 0xC2 && lead <= 0xDF) {
        character_ = lead & 0x1F;
        missing_ = 1;
        least_ = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        character_ = lead & 0x0F;
        missing_ = 2;
        least_ = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        character_ = lead & 0x07;
        missing_ = 3;
        least_ = 0x10000;
    } else {
        return;
    }
    state_ = State::Utf8;
}

void KeyDecoder::continueCharacter(unsigned char byte, std::string& keys) {
    if (!isContinuation(byte)) {
        // Cut short: the character is lost, the byte is a key of its own.
        state_ = State::Plain;
        feed(byte, keys);
        return;
    }
    character_ = (character_ << 6) | (byte & 0x3F);
    if (--missing_ > 0) {
        return;
    }
    state_ = State::Plain;
    const bool valid = character_ >= least_ && character_ <= 0x10FFFF &&
                       !(character_ >= 0xD800 && character_ <= 0xDFFF);
    const int key = valid ? encodeCp1251(character_) : NOT_IN_CP1251;
    if (key != NOT_IN_CP1251) {
        keys += char(key);
    }
}

void KeyDecoder::feed(unsigned char byte, std::string& keys) {
    switch (state_) {
        case State::Plain:
            if (byte == ESC) {
                state_ = State::Escape;
            } else if (byte >= 0x80) {
                startCharacter(byte);
            } else {
                keys += char(byte == '\n' ? '\r' : byte);
            }
            return;
        case State::Utf8:
            continueCharacter(byte, keys);
            return;
        case State::Escape:
            if (byte == '[') {
                state_ = State::Csi;
            } else if (byte == 'O') {
                state_ = State::Ss3;
            } else if (byte == ESC) {
                keys += char(ESC);  // the first Escape was a key of its own
            } else {
                // Alt plus a key: the key alone.
                state_ = State::Plain;
                feed(byte, keys);
            }
            return;
        case State::Csi:
        case State::Ss3:
            // Parameters and intermediates (0x20 to 0x3F) run up to a final
            // byte 0x40..0x7E. Anything else (Enter, say) breaks the
            // sequence off and counts as a key of its own.
            if (byte >= 0x40 && byte <= 0x7E) {
                finishSequence(byte, keys);
            } else if (byte < 0x20 || byte > 0x7E) {
                state_ = State::Plain;
                feed(byte, keys);
            }
            return;
    }
}

void KeyDecoder::flush(std::string& keys) {
    if (state_ == State::Escape) {
        keys += char(ESC);
    }
    state_ = State::Plain;
}
