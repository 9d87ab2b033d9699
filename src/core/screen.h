#pragma once

#include "console/text_string.h"
#include "core/menu.h"

// What every game screen is: a menu and three message lines. Each screen
// class adds its own run(), called by the game loop once per frame while
// the screen is current.
class Screen : public Menu {
  public:
    static constexpr int LINE_COUNT = 3;

    Screen() { clear(); }

    // What the person on the screen says, or the outcome of the last action.
    TextString lines[LINE_COUNT];

  protected:
    // The three lines at column 31, rows 32 to 34, in the colour in force.
    void printLines() const;
    // The menu's key handling, then the menu at column 32, row 36.
    void drawMenu();
    // A portrait of the NPC sheet at the top right, framed by its box.
    static void drawPortrait(std::int32_t sprite);
};
