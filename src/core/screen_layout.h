#pragma once

#include <cstdint>

#include "console/console_output.h"

// Where things stand on the 80x49 screen, named once: every screen draws
// through these names, and the status column through its own. Columns
// first, then rows, counted from 0 at the top left.

struct ScreenPlace {
    int column;
    int row;
};

struct BoxPlace {
    int left, top, right, bottom;
};

namespace layout {

// The status column on the left: the hero's portrait, name, hit points and
// money, weapon card, potions and trophy, each in its box.
constexpr ScreenPlace HERO_PORTRAIT = {3, 2};
constexpr ScreenPlace HERO_NAME = {6, 17};
constexpr ScreenPlace HERO_HIT_POINTS = {8, 18};
constexpr ScreenPlace HERO_MONEY = {8, 19};
constexpr ScreenPlace WEAPON_CARD = {4, 22};
constexpr ScreenPlace POTION_PICTURE = {0, 35};
constexpr ScreenPlace POTION_TIMES = {9, 44};
constexpr ScreenPlace POTION_COUNT = {9, 45};
constexpr ScreenPlace TROPHY_PICTURE = {13, 35};
constexpr BoxPlace STATUS_BOXES[] = {
    {2, 2, 25, 10},    // portrait
    {2, 15, 25, 17},   // name, hit points, money
    {2, 22, 25, 30},   // weapon
    {2, 35, 12, 43},   // potions
    {15, 35, 25, 43},  // trophy
};

// The message box, where each screen writes its three message lines and
// draws its menu below them, one choice every second row.
constexpr BoxPlace MESSAGE_BOX = {28, 30, 76, 43};
constexpr ScreenPlace MESSAGE_LINES = {31, 32};
constexpr ScreenPlace MENU = {32, 36};
constexpr int MENU_ROW_STEP = 2;

// The one-frame lines just above the message box that answer a key: the
// hero's blow on the first; the monster's blow, or any other answer, on
// the second.
constexpr ScreenPlace HERO_BLOW_LINE = {31, 27};
constexpr ScreenPlace ANSWER_LINE = {31, 28};

// The person talked to, at the top right.
constexpr ScreenPlace PORTRAIT = {56, 2};
constexpr BoxPlace PORTRAIT_BOX = {55, 2, 76, 10};

// A fight: the enemy's hit points above its picture, and the mark of the
// blows struck between the two.
constexpr ScreenPlace ENEMY_HIT_POINTS = {43, 9};
constexpr ScreenPlace ENEMY_PICTURE = {43, 11};
constexpr ScreenPlace STRIKE_MARK = {51, 15};

}  // namespace layout

// printAt at a named place.
inline void printAt(ScreenPlace place, const TextString& text) {
    printAt(static_cast<std::int16_t>(place.column), static_cast<std::int16_t>(place.row), text);
}
