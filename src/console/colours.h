#pragma once

#include <cstdint>

// Console text attributes on black: bit 0 blue, 1 green, 2 red, 3 bright.
constexpr std::uint8_t COLOUR_GREEN = 2;
constexpr std::uint8_t COLOUR_RED = 4;
constexpr std::uint8_t COLOUR_BROWN = 6;
constexpr std::uint8_t COLOUR_GREY = 7;
constexpr std::uint8_t COLOUR_LIGHT_RED = 12;
constexpr std::uint8_t COLOUR_WHITE = 15;
