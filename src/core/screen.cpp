#include "core/screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "data/sprite_sheet.h"

void Screen::printLines() const {
    for (int i = 0; i < LINE_COUNT; ++i) {
        printAt(31, static_cast<std::int16_t>(32 + i), lines[i]);
    }
}

void Screen::drawMenu() {
    handleKey();
    draw(32, 36);
}

void Screen::drawPortrait(std::int32_t sprite) {
    setColour(COLOUR_GREY);
    if (g_npcSprites) {
        g_npcSprites->draw(sprite, 56, 2);
    }
    drawBox(55, 2, 76, 10);
}
