#pragma once

// The game's texts and data files are Windows-1251; the fixed pieces written
// unconverted reach the console as its own code page, 866. These turn one
// byte of either into the Unicode character the player should see.
char32_t decodeCp1251(unsigned char byte);
char32_t decodeCp866(unsigned char byte);

// The way back, for a key the player typed: the Windows-1251 byte of a
// character (0 to 255), or NOT_IN_CP1251 when the code page has none.
constexpr int NOT_IN_CP1251 = -1;
int encodeCp1251(char32_t ch);
