#include "platform/key_decoder.h"

#include "platform/key_codes.h"

namespace {
constexpr unsigned char ESC = 0x1B;
}

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

void KeyDecoder::feed(unsigned char byte, std::string& keys) {
    switch (state_) {
        case State::Plain:
            if (byte == ESC) {
                state_ = State::Escape;
            } else if (byte == KEY_ARROW_PREFIX) {
                // Part of some UTF-8 letter: passed on, it would read as the
                // first half of an arrow.
            } else {
                keys += char(byte == '\n' ? '\r' : byte);
            }
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
