#pragma once

#include <cstdint>

#include "core/screen.h"

// The narration in pages of three lines, turned with Enter: the opening
// (pages 0 to 3, then the dying stranger), the victory with the credits
// (5 to 11) and the death (12, 13). The last page of either ending quits.
class StoryScreen : public Screen {
  public:
    StoryScreen();
    void run();

    std::int32_t page = 0;
};
