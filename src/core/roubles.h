#pragma once

#include <cstdint>

// The word for a sum of money that agrees with its number, as Windows-1251
// text: "рубль" for 1, 21, 101; "рубля" for 2 to 4, 22 to 24; "рублей" for
// 0, 5 to 20, 25, 111 to 114. A negative sum (a damaged data file can give
// one) takes the word of its absolute value: "-1 рубль".
const char* roubleWord(std::int32_t amount);
