#pragma once

#include "core/screen.h"

// The dying stranger who ends the opening: his portrait, his last words and
// three replies, any of which leads to the town.
class StrangerScreen : public Screen {
  public:
    StrangerScreen();
    void run();
};
