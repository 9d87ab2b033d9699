#pragma once

#include <string>

#include "platform/cp1251.h"

// The game's texts and data files are Windows-1251 (platform/cp1251.h); the
// fixed pieces written unconverted reach the console as its own code page,
// 866. This turns one byte of it into the Unicode character the player
// should see.
char32_t decodeCp866(unsigned char byte);

// A Windows-1251 text, up to its terminating zero, as UTF-8: how the
// record of a frame keeps what the game printed.
std::string utf8FromCp1251(const char* text);
