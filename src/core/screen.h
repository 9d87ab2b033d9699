#pragma once

#include <string>

#include "console/text_string.h"
#include "core/menu.h"
#include "core/screen_layout.h"

// What every game screen is: a menu and three message lines. Each screen
// class adds its own run(), called by the game loop once per frame while
// the screen is current. What a screen draws through these goes into the
// frame's record as well as onto the grid.
class Screen : public Menu {
  public:
    static constexpr int LINE_COUNT = 3;

    Screen() { clear(); }

    // What the person on the screen says, or the outcome of the last action.
    TextString lines[LINE_COUNT];

  protected:
    // The three lines in the message box, in the colour in force.
    void printLines() const;
    // The menu's key handling, then the menu in the message box.
    void drawMenu();
    // A portrait of the NPC sheet at the top right, framed by its box.
    static void drawPortrait(std::int32_t sprite);
    // A one-frame answer to the key just pressed, on one of the two lines
    // above the message box (layout::HERO_BLOW_LINE or ANSWER_LINE), in
    // the colour in force; `spoken` is how a reader says it, when that
    // differs from the text.
    static void showAction(ScreenPlace line, const TextString& text,
                           const std::string& spoken = {});
};
