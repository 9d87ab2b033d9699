#pragma once

#include <cstdarg>
#include <string>

// The printf conventions the game's texts are formatted with, done here
// rather than by the C library's printf, whose floating-point half the game
// never uses and every player of the page would download: %d and %i (an
// int), %u, %x and %X (an unsigned in hex), %c, %s (a zero-terminated
// text) and %%, each with an optional '-' or '0' flag and a width. Any
// other conversion is copied as written, and nothing is read for it.
std::string formatArguments(const char* format, va_list values);
