#pragma once

#include <cstdint>

// A roll between a and b, both included, from the game's one generator:
// r mod (b - a + 1) + a. A range given the wrong way round rolls within
// the same two ends instead of dividing by zero.
std::int32_t rollBetween(std::int32_t a, std::int32_t b);

// Hit points and money move by these, so absurd numbers from a damaged data
// file stop at the 32-bit limits instead of wrapping around.
std::int32_t saturatingAdd(std::int32_t value, std::int32_t amount);
std::int32_t saturatingSubtract(std::int32_t value, std::int32_t amount);
