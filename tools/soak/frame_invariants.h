#pragma once

#include <string>
#include <vector>

#include "core/screen_ids.h"
#include "platform/virtual_console.h"

class Hero;

// What the player relies on in every frame of play, whatever keys were
// pressed and whatever the data files hold: the screen frame and the
// status panel drawn, hit points and money shown as the hero's numbers,
// a menu with exactly one highlighted choice drawn where its record says,
// and a screen the game knows; and, for a player who hears the game, news
// that tells everything the frame shows anew. The title, a missing-file
// notice and the frame shown when the game quits are not frames of play;
// the caller leaves them out.

bool isPlayScreen(ScreenId screen);

// Every broken promise, one line each; empty when the frame is sound.
std::vector<std::string> checkPlayFrame(const VirtualConsole::Grid& grid, const FrameRecord& record,
                                        ScreenId screen, const Hero& hero);

// What the news of `now` leaves out of what it shows anew after `before`:
// a one-frame answer, a changed figure (hit points, money, potions, the
// enemy's hit points), a highlight that moved. One line each.
std::vector<std::string> checkNews(const FrameRecord& before, const FrameRecord& now);

// A row of the grid as UTF-8, for reports.
std::string rowUtf8(const VirtualConsole::Grid& grid, int row);
// The whole grid, one row a line, for reports.
std::string frameUtf8(const VirtualConsole::Grid& grid);
