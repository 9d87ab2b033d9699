#pragma once

// The game's texts and data files are Windows-1251; the fixed pieces written
// unconverted reach the console as its own code page, 866. These turn one
// byte of either into the Unicode character the player should see.
char32_t decodeCp1251(unsigned char byte);
char32_t decodeCp866(unsigned char byte);
