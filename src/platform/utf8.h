#pragma once

#include <string>

// Appends the UTF-8 form of one character (at most 0x10FFFF).
void appendUtf8(char32_t ch, std::string& out);
