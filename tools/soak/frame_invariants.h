#pragma once

#include <string>
#include <vector>

#include "core/screen_ids.h"
#include "platform/virtual_console.h"

class Hero;

// What the player relies on in every frame of play, whatever keys were
// pressed and whatever the data files hold: the screen frame and the
// status panel drawn, hit points and money shown as the hero's numbers,
// a menu with exactly one highlighted choice, and a screen the game knows.
// The title, a missing-file notice and the frame shown when the game quits
// are not frames of play; the caller leaves them out.

// Menu choices are drawn from here, one every second row.
constexpr int MENU_COLUMN = 32;
constexpr int MENU_ROW = 36;

bool isPlayScreen(ScreenId screen);

// Every broken promise, one line each; empty when the frame is sound.
std::vector<std::string> checkPlayFrame(const VirtualConsole::Grid& grid, ScreenId screen,
                                        const Hero& hero);

// How many menu choices the frame shows ("1 - ", "2 - " ... at the menu's
// place), and which one is highlighted: -1 for none, -2 for more than one.
struct MenuOnScreen {
    int count = 0;
    int highlighted = -1;
};
MenuOnScreen readMenu(const VirtualConsole::Grid& grid);

// A row of the grid as UTF-8, for reports.
std::string rowUtf8(const VirtualConsole::Grid& grid, int row);
// The whole grid, one row a line, for reports.
std::string frameUtf8(const VirtualConsole::Grid& grid);
