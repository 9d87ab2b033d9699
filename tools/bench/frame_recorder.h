#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "auto_player.h"
#include "core/screen_ids.h"
#include "platform/virtual_console.h"

// Records what the player is shown in one whole seeded game, played by the
// careful automatic player through the real frame loop: every grid the loop
// presents, in order, from the title through the fights, the shop and the
// quest givers to the ending. The game reads its data files from the
// working directory, so run it from the assets folder. Used by the rendering
// benchmark and by the presenter's replay test; it presents nothing itself.

// A seed with which the careful player wins, so the recording reaches the
// victory pages.
constexpr std::uint32_t PLAYTHROUGH_SEED = 1;

struct Playthrough {
    std::vector<VirtualConsole::Grid> frames;    // every presented grid, in order
    std::vector<ScreenId> screens;               // the screen each frame belongs to
    std::vector<int> keys;                       // the key byte read after each frame, or -1
    std::vector<std::vector<std::string>> news;  // what each frame tells a screen reader
    AutoPlayer::Outcome outcome = AutoPlayer::Outcome::Running;
    int fights = 0;
};

Playthrough recordPlaythrough(std::uint32_t seed = PLAYTHROUGH_SEED);

// The opening of a game up to the dying stranger's menu and the frame
// after the player's first Down there: the smallest change a player makes,
// two menu lines swapping their colours. The last frame is the one after the
// Down; the one before it shows the menu as it was.
std::vector<VirtualConsole::Grid> recordStrangerMenuMove();
