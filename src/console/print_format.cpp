#include "console/print_format.h"

#include <cstring>

namespace {

struct Conversion {
    bool left = false;   // '-': padded on the right
    bool zeros = false;  // '0': a number padded with zeros
    std::size_t width = 0;
};

void pad(std::string& out, const std::string& field, const Conversion& how) {
    const std::size_t fill = field.size() < how.width ? how.width - field.size() : 0;
    if (how.left) {
        out += field;
        out.append(fill, ' ');
    } else if (how.zeros && !field.empty() && field[0] == '-') {
        out += '-';
        out.append(fill, '0');
        out.append(field, 1, std::string::npos);
    } else {
        out.append(fill, how.zeros ? '0' : ' ');
        out += field;
    }
}

std::string digits(unsigned long value, unsigned base, bool upper) {
    const char* names = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[24];
    std::size_t count = 0;
    do {
        reversed[count++] = names[value % base];
        value /= base;
    } while (value != 0);
    std::string out;
    while (count > 0) {
        out += reversed[--count];
    }
    return out;
}

}  // namespace

std::string formatArguments(const char* format, va_list values) {
    std::string out;
    for (const char* at = format; *at != '\0'; ++at) {
        if (*at != '%') {
            out += *at;
            continue;
        }
        const char* start = at++;
        Conversion how;
        for (; *at == '-' || *at == '0'; ++at) {
            (*at == '-' ? how.left : how.zeros) = true;
        }
        for (; *at >= '0' && *at <= '9'; ++at) {
            how.width = how.width * 10 + std::size_t(*at - '0');
        }
        switch (*at) {
            case 'd':
            case 'i': {
                const int value = va_arg(values, int);
                // Through unsigned, so that the most negative int has a magnitude.
                const unsigned long magnitude =
                    value < 0 ? 0ul - static_cast<unsigned long>(value) : unsigned(value);
                pad(out, (value < 0 ? "-" : "") + digits(magnitude, 10, false), how);
                break;
            }
            case 'u':
            case 'x':
            case 'X':
                pad(out, digits(va_arg(values, unsigned), *at == 'u' ? 10 : 16, *at == 'X'), how);
                break;
            case 'c':
                pad(out, std::string(1, char(va_arg(values, int))), how);
                break;
            case 's': {
                const char* text = va_arg(values, const char*);
                pad(out, text != nullptr ? text : "(null)", how);
                break;
            }
            case '%':
                out += '%';
                break;
            default:
                // Not one the game's texts use: shown as written.
                out.append(start, std::size_t(at - start) + (*at != '\0' ? 1 : 0));
                if (*at == '\0') {
                    return out;
                }
                break;
        }
    }
    return out;
}
