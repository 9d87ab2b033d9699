#include "platform/key_decoder.h"

#include "platform/code_pages.h"
#include "platform/key_codes.h"

namespace {
constexpr unsigned char ESC = 0x1B;
constexpr unsigned char BEL = 0x07;

// The bytes after ESC that open a control string: OSC, DCS, APC, PM, SOS.
bool opensString(unsigned char byte) {
    return byte == ']' || byte == 'P' || byte == '_' || byte == '^' || byte == 'X';
}

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

void KeyDecoder::rawKey(unsigned char byte, std::string& keys) {
    if (byte != KEY_ARROW_PREFIX) {
        keys += char(byte);
    }
}

void KeyDecoder::startCharacter(unsigned char lead, std::string& keys) {
    lead_ = lead;
    if (lead >= 0xC0 && lead <= 0xDF) {
        character_ = lead & 0x1F;
        missing_ = 1;
        least_ = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        character_ = lead & 0x0F;
        missing_ = 2;
        least_ = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF7) {
        character_ = lead & 0x07;
        missing_ = 3;
        least_ = 0x10000;
    } else {
        rawKey(lead, keys);  // a continuation byte on its own, or F8 to FF
        return;
    }
    state_ = State::Utf8;
}

void KeyDecoder::continueCharacter(unsigned char byte, std::string& keys) {
    if (!isContinuation(byte)) {
        // Cut short: its first byte is the key, then the byte is one too.
        state_ = State::Plain;
        rawKey(lead_, keys);
        feed(byte, keys);
        return;
    }
    character_ = (character_ << 6) | (byte & 0x3F);
    if (--missing_ > 0) {
        return;
    }
    state_ = State::Plain;
    // Overlong forms, surrogates and characters beyond Unicode are no
    // characters either.
    if (character_ < least_ || character_ > 0x10FFFF ||
        (character_ >= 0xD800 && character_ <= 0xDFFF)) {
        rawKey(lead_, keys);
        return;
    }
    const int key = encodeCp1251(character_);
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
                startCharacter(byte, keys);
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
            } else if (opensString(byte)) {
                state_ = State::String;
                stringLength_ = 0;
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
        case State::String:
        case State::StringEscape:
            inString(byte, keys);
            return;
    }
}

// A control string's text is any printable bytes, UTF-8 included. As in a
// terminal, any escape ends it: ST (ESC \) is the usual end, and another
// escape goes on as the sequence it starts. A control byte other than BEL
// breaks it off and counts as a key, as in a CSI sequence: no reply holds
// one, and a player's Enter must never be eaten.
void KeyDecoder::inString(unsigned char byte, std::string& keys) {
    if (state_ == State::StringEscape) {
        state_ = byte == '\\' ? State::Plain : State::Escape;
        if (byte != '\\' && byte != ESC) {
            feed(byte, keys);
        }
    } else if (byte == ESC) {
        state_ = State::StringEscape;
    } else if (byte == BEL) {
        state_ = State::Plain;
    } else if (byte < 0x20 || ++stringLength_ > MAX_STRING) {
        state_ = State::Plain;
        feed(byte, keys);
    }
}

void KeyDecoder::flush(std::string& keys) {
    if (state_ == State::Escape) {
        keys += char(ESC);
    } else if (state_ == State::Utf8) {
        rawKey(lead_, keys);
    }
    state_ = State::Plain;
}
