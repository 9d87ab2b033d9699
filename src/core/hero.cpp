#include "core/hero.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/roubles.h"
#include "core/text_format.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"
#include "platform/russian_text.h"

namespace {

constexpr std::int32_t POTION_PICTURE = 0;
constexpr std::int32_t HERO_PORTRAIT = 0;

struct BoxPlace {
    int left, top, right, bottom;
};

constexpr BoxPlace PANEL_BOXES[] = {
    {2, 2, 25, 10},    // portrait
    {2, 15, 25, 17},   // name, hit points, money
    {2, 22, 25, 30},   // weapon
    {2, 35, 12, 43},   // potions
    {15, 35, 25, 43},  // trophy
    {28, 30, 76, 43},  // the screens' messages and menus
};

}  // namespace

std::uint8_t hitPointColour(std::int32_t hp, std::int32_t maxHp) {
    if (hp < maxHp / 3) {
        return COLOUR_RED;
    }
    if (hp < maxHp * 0.6666666666666666) {
        return COLOUR_BROWN;
    }
    return COLOUR_GREEN;
}

void Hero::drawStatusPanel() {
    setColour(COLOUR_GREY);
    printAt(6, 17, RU("Джек Белибье"));
    setColour(hitPointColour(hp, maxHp));
    printAt(8, 18, formatText("%i / %i HP", hp, maxHp));
    setColour(COLOUR_BROWN);
    printAt(8, 19, formatText("%i %s", money, roubleWord(money)));

    setColour(COLOUR_GREY);
    if (g_npcSprites) {
        g_npcSprites->draw(HERO_PORTRAIT, 3, 2);
    }
    if (g_weapons) {
        static_cast<Drawable&>(*g_weapons).draw(weapon, 4, 22);
    }
    setColour(COLOUR_GREY);
    if (g_itemSprites) {
        g_itemSprites->draw(POTION_PICTURE, 0, 35);
    }
    printAt(9, 44, "x");
    setColour(COLOUR_WHITE);
    printAt(9, 45, formatText("%i", potions));

    setColour(COLOUR_GREY);
    if (trophy != 0 && g_itemSprites) {
        g_itemSprites->draw(trophy, 13, 35);
    }
    setColour(COLOUR_GREY);
    for (const BoxPlace& box : PANEL_BOXES) {
        drawBox(box.left, box.top, box.right, box.bottom);
    }
}
