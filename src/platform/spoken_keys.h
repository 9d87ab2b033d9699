#pragma once

#include <string>

#include "platform/frame_record.h"

// The keys of the screen-reader mode, where the player hears the game
// rather than sees it. The game's own keys stay: the arrows and Enter. H
// (Р on a Russian layout) says the hero's status and R (К) the whole
// screen again, without reaching the game; a digit moves the highlight to
// that choice, which the game then says, and Enter takes it. Any other key
// reaches the game as it is, as do H and R where they have nothing to say
// (on the title, any key goes on).

// What to do with a key typed: say words at once, or hand the game these
// key bytes instead (the key itself, or the arrows to a choice).
struct SpokenKey {
    std::string say;
    std::string keys;
};
SpokenKey spokenKey(unsigned char key, const FrameRecord& shown);

// The first line of the screen-reader mode, which names its keys (UTF-8).
extern const char SCREEN_READER_KEYS[];
