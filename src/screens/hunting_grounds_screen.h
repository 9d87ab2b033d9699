#pragma once

#include "core/screen.h"

// The door into every fight: the place of the quest stage (swamp, desert,
// underworld), a random enemy of that place, the place's story enemy, and
// the way back to the town.
class HuntingGroundsScreen : public Screen {
  public:
    HuntingGroundsScreen();
    void run();

  private:
    static void startFight(std::int32_t monster);
};
