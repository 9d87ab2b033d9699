#pragma once

#include <cstddef>

#include "platform/cp1251.h"

// The game's own texts are Windows-1251, like its data files, while the
// sources are UTF-8 so that they read as Russian. RU("Пойду в магазин")
// turns a UTF-8 literal into its 1251 bytes while compiling, the same way
// with every compiler, and gives a pointer to them for the whole run. A
// character 1251 has no byte for, or a literal that is not UTF-8, stops
// the build at the line that holds it.
#define RU(utf8)                                                             \
    ([]() -> const char* {                                                   \
        static constexpr auto bytes =                                        \
            ::russian_text::encode<::russian_text::encodedSize(utf8)>(utf8); \
        return bytes.text;                                                   \
    }())

namespace russian_text {

// Called only where a literal cannot be stored, so that compiling fails.
void notWindows1251Text();

// How many bytes the UTF-8 sequence that starts with this byte takes; 0 for
// a byte that cannot start one.
constexpr std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 3;
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        return 4;
    }
    notWindows1251Text();
    return 0;
}

// The characters of a UTF-8 text, and so its 1251 bytes, with the final NUL.
constexpr std::size_t encodedSize(const char* utf8) {
    std::size_t size = 1;
    for (std::size_t at = 0; utf8[at] != '\0';
         at += sequenceLength(static_cast<unsigned char>(utf8[at]))) {
        ++size;
    }
    return size;
}

template <std::size_t Size>
struct Bytes {
    char text[Size];
};

template <std::size_t Size>
constexpr Bytes<Size> encode(const char* utf8) {
    Bytes<Size> out{};
    std::size_t at = 0;
    for (std::size_t i = 0; i + 1 < Size; ++i) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = sequenceLength(lead);
        char32_t ch = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[at + k]);
            if ((next & 0xC0) != 0x80) {
                notWindows1251Text();
            }
            ch = (ch << 6) | (next & 0x3F);
        }
        const int byte = encodeCp1251(ch);
        if (byte == NOT_IN_CP1251) {
            notWindows1251Text();
        }
        out.text[i] = static_cast<char>(byte);
        at += length;
    }
    return out;
}

}  // namespace russian_text
