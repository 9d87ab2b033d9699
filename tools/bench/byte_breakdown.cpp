#include "byte_breakdown.h"

void ByteBreakdown::add(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char byte = bytes[i];
        if (byte == '\r' || byte == '\n' || byte == '\b') {
            ++moves;
            ++i;
            continue;
        }
        if (byte != '\x1b') {
            ++text;
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size() || bytes[i + 1] != '[') {
            // ESC, intermediates, a final byte (ncurses' "ESC ( B", say).
            std::size_t end = i + 1;
            while (end < bytes.size() && bytes[end] >= 0x20 && bytes[end] <= 0x2F) {
                ++end;
            }
            other += end + 1 - i;
            i = end + 1;
            continue;
        }
        // CSI: parameters and intermediates up to the final byte.
        std::size_t end = i + 2;
        while (end < bytes.size() && (bytes[end] < 0x40 || bytes[end] > 0x7E)) {
            ++end;
        }
        const std::size_t length = end - i + 1;
        const char final = end < bytes.size() ? bytes[end] : '\0';
        const bool privateMode = bytes[i + 2] == '?';
        if (privateMode && (final == 'h' || final == 'l')) {
            wrapper += length;
        } else if (final == 'm') {
            colours += length;
        } else if (final == 'J' || final == 'K' || final == 'X') {
            erases += length;
        } else if (final == 'H' || final == 'A' || final == 'B' || final == 'C' || final == 'D' ||
                   final == 'G' || final == 'E' || final == 'F' || final == 'd' || final == 'f') {
            moves += length;
        } else {
            other += length;
        }
        i = end + 1;
    }
}
