#pragma once

#include <string>

// Appends the UTF-8 form of one character (at most 0x10FFFF).
void appendUtf8(char32_t ch, std::string& out);

// The characters of a UTF-8 text. A byte that starts no well-formed
// character stands for itself (as Latin-1 would read it), so that nothing
// is lost and nothing is read past the end.
std::u32string decodeUtf8(const std::string& text);
