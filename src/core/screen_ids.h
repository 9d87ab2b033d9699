#pragma once

#include <cstdint>

using ScreenId = std::int32_t;

constexpr ScreenId SCREEN_TOWN = 1;
constexpr ScreenId SCREEN_SHOP = 2;
constexpr ScreenId SCREEN_HUNT = 3;
constexpr ScreenId SCREEN_BATTLE = 4;
constexpr ScreenId SCREEN_STRANGER = 5;
constexpr ScreenId SCREEN_STORY = 6;
constexpr ScreenId SCREEN_SEER = 7;
constexpr ScreenId SCREEN_INDIAN = 8;
constexpr ScreenId SCREEN_EXIT_CONFIRM = 342;
constexpr ScreenId SCREEN_QUIT = 0x1234;  // no screen: the loop ends
