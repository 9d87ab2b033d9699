#pragma once

#include <cstdint>

// The runtime's pseudo-random generator: one sequence for the whole game,
// results 0 to 32767, the same classic linear congruential rule on every
// platform so that a seed replays a game exactly.
constexpr int RANDOM_MAX = 32767;

void seedRandom(std::uint32_t seed);
int nextRandom();
