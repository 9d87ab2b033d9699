// Any bytes a terminal may send (typed or pasted text, broken or unknown
// escape sequences) through the key decoder. Properties:
// - it never gives more keys than it was fed bytes, at any point;
// - 224 comes only as the first half of an arrow (224, then 72 or 80) or
//   for a whole letter а (UTF-8 D0 B0, 224 in Windows-1251): never from a
//   stray byte;
// - it never gets stuck: whatever came before, Enter fed next comes out at
//   once as the key 13 (after at most the first byte of a character it cut
//   short), and once the terminal has gone quiet
//   (flush, as after the escape wait) a plain key comes out as itself;
// - a whole control string (OSC, DCS, APC, PM or SOS up to ST or BEL) gives
//   no key, whatever came before it once the terminal has gone quiet.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/key_codes.h"
#include "platform/key_decoder.h"

namespace {

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// Every 224 that does not start an arrow stands for a letter а of the input.
void checkArrows(const std::string& keys, const std::string& input) {
    std::size_t letters = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (static_cast<unsigned char>(keys[i]) != KEY_ARROW_PREFIX) {
            continue;
        }
        const auto scan = i + 1 < keys.size() ? static_cast<unsigned char>(keys[i + 1]) : 0;
        if (scan == KEY_UP || scan == KEY_DOWN) {
            ++i;
        } else {
            ++letters;
        }
    }
    check(letters <= occurrences(input, "\xD0\xB0"));
}

// What feeding bytes to a copy of the decoder appends, after a flush when
// asked.
std::string next(KeyDecoder decoder, bool flushFirst, const std::string& bytes) {
    std::string keys;
    if (flushFirst) {
        decoder.flush(keys);
        check(!decoder.pending());
        keys.clear();
    }
    for (char byte : bytes) {
        decoder.feed(static_cast<unsigned char>(byte), keys);
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeyDecoder decoder;
    std::string keys;
    for (std::size_t i = 0; i < size; ++i) {
        decoder.feed(data[i], keys);
        check(keys.size() <= i + 1);
        // Enter comes through, after at most the first byte of a character
        // it cut short.
        const std::string enter = next(decoder, false, "\r");
        check(!enter.empty() && enter.size() <= 2 && enter.back() == '\r');
        check(next(decoder, true, "x") == "x");
        check(next(decoder, true, "\x1bP1$r0m\x1b\\\x1b]11;rgb:0/0/0\x07x") == "x");
    }
    decoder.flush(keys);
    check(keys.size() <= size);
    check(!decoder.pending());
    checkArrows(keys, std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
