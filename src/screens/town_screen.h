#pragma once

#include "core/screen.h"

// The hub: the hero's hint, the shop, the hunting grounds (open only while
// an errand is open or for the final fight), the quest giver of the stage
// and the way out of the game.
class TownScreen : public Screen {
  public:
    TownScreen();
    void run();
};
