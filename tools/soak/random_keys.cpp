#include "random_keys.h"

namespace {

const char* const ESCAPE_SEQUENCES[] = {"\x1b[A",  "\x1b[B", "\x1bOA",   "\x1b[C",
                                        "\x1b[5~", "\x1b",   "\x1b[1;5B"};

}  // namespace

std::string RandomKeys::next() {
    const int roll = below(100);
    if (roll < 40) {
        return std::string("\xE0") + (below(2) == 0 ? '\x48' : '\x50');
    }
    if (roll < 70) {
        return "\r";
    }
    if (roll < 82) {
        static const char LETTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789 ";
        return std::string(1, LETTERS[below(sizeof LETTERS - 1)]);
    }
    if (roll < 90) {
        return ESCAPE_SEQUENCES[below(sizeof ESCAPE_SEQUENCES / sizeof ESCAPE_SEQUENCES[0])];
    }
    if (roll < 93) {
        // An arrow prefix followed by something that is not an arrow, or the
        // keypad's prefix 0.
        return std::string(1, below(2) == 0 ? '\xE0' : '\0') + char(below(256));
    }
    return std::string(1, char(below(256)));
}
