#include "console/print_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>

namespace {

std::string ours(const char* format, ...) {
    va_list values;
    va_start(values, format);
    std::string text = formatArguments(format, values);
    va_end(values);
    return text;
}

// Every conversion the game formats with gives what the C library's
// printf gives: the texts, the numbers at their limits, the flags.
TEST(PrintFormat, AsTheCLibraryFormatsTheGamesConversions) {
    char theirs[256];
    const auto same = [&](const std::string& mine, int size) {
        EXPECT_EQ(mine, std::string(theirs, std::size_t(size)));
    };
    same(ours("%i / %i HP", 50, -3), std::snprintf(theirs, 256, "%i / %i HP", 50, -3));
    same(ours("%d|%i", INT_MIN, INT_MAX), std::snprintf(theirs, 256, "%d|%i", INT_MIN, INT_MAX));
    same(ours("\\u%04x %X %u", 31u, 0xBEEFu, 4000000000u),
         std::snprintf(theirs, 256, "\\u%04x %X %u", 31u, 0xBEEFu, 4000000000u));
    same(ours("[%5i|%-5i|%05i|%3s|%-3s|%c]", -42, 7, -42, "a", "b", 'z'),
         std::snprintf(theirs, 256, "[%5i|%-5i|%05i|%3s|%-3s|%c]", -42, 7, -42, "a", "b", 'z'));
    same(ours("100%% %s", "\xC4\xE6\xE5\xEA"),
         std::snprintf(theirs, 256, "100%% %s", "\xC4\xE6\xE5\xEA"));
    // A conversion the game never uses is shown as written, reading nothing.
    EXPECT_EQ(ours("%f, %s, %", "next"), "%f, next, %");
}

}  // namespace
