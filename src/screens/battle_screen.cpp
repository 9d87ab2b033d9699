#include "screens/battle_screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/dice.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/text_format.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"
#include "screens/fight_messages.h"

namespace {

enum BattleChoice { ATTACK, DRINK_POTION, FLEE };

constexpr std::int32_t POTION_HEAL_MIN = 15;
constexpr std::int32_t POTION_HEAL_MAX = 39;

void drawStrikeMark() {
    setColour(COLOUR_RED);
    printAt(52, 15, ".*/");
    printAt(51, 16, "<-&->");
    printAt(52, 17, "'|'");
}

}  // namespace

BattleScreen::BattleScreen() {
    addItem(MenuItem(RU("Атаковать врага"), true));
    addItem(MenuItem(RU("Выпить лечебное зелье"), false));
    addItem(MenuItem(RU("Убежать"), false));
}

void BattleScreen::attackExchange() {
    MonsterStats& monster = g_monsters->stats(monsterIndex);
    const MonsterName& monsterName = g_monsters->nameForms(monsterIndex);

    const std::int32_t monsterBlow = rollBetween(monster.damageMin, monster.damageMax);
    g_hero->hp = saturatingSubtract(g_hero->hp, monsterBlow);
    setColour(COLOUR_WHITE);
    printAt(31, 28, monsterBlowMessage(monsterName, monsterBlow));

    drawStrikeMark();

    const WeaponStats& weapon = g_weapons->stats(g_hero->weapon);
    const std::int32_t heroBlow = rollBetween(weapon.damageMin, weapon.damageMax);
    monster.hp = saturatingSubtract(monster.hp, heroBlow);
    setColour(COLOUR_WHITE);
    printAt(31, 27, heroBlowMessage(monsterName, heroBlow, heroBlow == weapon.damageMax));

    setColour(COLOUR_GREY);
    checkOutcome();
}

void BattleScreen::drinkPotion() {
    if (g_hero->potions <= 0) {
        lines[0].assign(RU("Кончились зелья"));
        return;
    }
    const std::int32_t healed = rollBetween(POTION_HEAL_MIN, POTION_HEAL_MAX);
    g_hero->hp = saturatingAdd(g_hero->hp, healed);
    if (g_hero->hp > g_hero->maxHp) {
        g_hero->hp = g_hero->maxHp;
    }
    --g_hero->potions;
    // Reports the roll, not what was actually restored; white stays in force.
    setColour(COLOUR_WHITE);
    printAt(31, 28, FORMAT_RU("Джек восполнил %i HP", healed));
}

void BattleScreen::run() {
    lines[0].assign(battleTitle(g_monsters->nameForms(monsterIndex)));
    setColour(COLOUR_GREY);
    g_monsters->draw(monsterIndex, 43, 11);

    if (g_key == KEY_ENTER) {
        switch (cursor) {
            case ATTACK:
                attackExchange();
                break;
            case DRINK_POTION:
                drinkPotion();
                break;
            case FLEE:
                g_screen = SCREEN_HUNT;
                break;
            default:
                break;
        }
    }
    printAt(43, 9, formatText("%i HP", g_monsters->stats(monsterIndex).hp));
    printLines();
    drawMenu();
}
