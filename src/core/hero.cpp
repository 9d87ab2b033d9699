#include "core/hero.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/roubles.h"
#include "core/screen_layout.h"
#include "core/text_format.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"
#include "platform/code_pages.h"
#include "platform/frame_record.h"
#include "platform/russian_text.h"

namespace {

constexpr std::int32_t POTION_PICTURE = 0;
constexpr std::int32_t HERO_PORTRAIT = 0;

void draw(SpriteSheet* sheet, std::int32_t index, ScreenPlace place) {
    if (sheet != nullptr) {
        sheet->draw(index, place.column, place.row);
    }
}

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
    printAt(layout::HERO_NAME, RU("Джек Белибье"));
    setColour(hitPointColour(hp, maxHp));
    printAt(layout::HERO_HIT_POINTS, formatText("%i / %i HP", hp, maxHp));
    setColour(COLOUR_BROWN);
    printAt(layout::HERO_MONEY, formatText("%i %s", money, roubleWord(money)));

    setColour(COLOUR_GREY);
    draw(g_npcSprites.get(), HERO_PORTRAIT, layout::HERO_PORTRAIT);
    if (g_weapons) {
        static_cast<Drawable&>(*g_weapons)
            .draw(weapon, layout::WEAPON_CARD.column, layout::WEAPON_CARD.row);
    }
    setColour(COLOUR_GREY);
    draw(g_itemSprites.get(), POTION_PICTURE, layout::POTION_PICTURE);
    printAt(layout::POTION_TIMES, "x");
    setColour(COLOUR_WHITE);
    printAt(layout::POTION_COUNT, formatText("%i", potions));

    setColour(COLOUR_GREY);
    if (trophy != 0) {
        draw(g_itemSprites.get(), trophy, layout::TROPHY_PICTURE);
    }
    setColour(COLOUR_GREY);
    for (const BoxPlace& box : layout::STATUS_BOXES) {
        drawBox(box.left, box.top, box.right, box.bottom);
    }
    const BoxPlace& messages = layout::MESSAGE_BOX;
    drawBox(messages.left, messages.top, messages.right, messages.bottom);
    noteStatus();
}

void Hero::noteStatus() const {
    HeroRecord& shown = frameRecord().hero;
    shown.shown = true;
    shown.hp = hp;
    shown.maxHp = maxHp;
    shown.money = money;
    shown.moneyWord = utf8FromCp1251(roubleWord(money));
    shown.potions = potions;
    if (g_weapons) {
        shown.weapon = utf8FromCp1251(g_weapons->name(weapon).text());
        shown.attackMin = g_weapons->stats(weapon).damageMin;
        shown.attackMax = g_weapons->stats(weapon).damageMax;
    }
    if (trophy != 0 && g_itemSprites) {
        shown.trophy = utf8FromCp1251(g_itemSprites->name(trophy).text());
    }
}
