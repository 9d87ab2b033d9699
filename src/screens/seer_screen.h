#pragma once

#include <cstdint>

#include "core/screen.h"

// The seer, first quest giver: asks for the frog's paw (which opens the
// hunting grounds) and, once it is brought, sends the hero to the Indian.
class SeerScreen : public Screen {
  public:
    SeerScreen();
    void run();

    // 0 not yet asked, 1 paw requested, 2 paw handed in.
    std::int32_t step = 0;
};
