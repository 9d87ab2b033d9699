#include "screens/battle_screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/dice.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/text_format.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "platform/code_pages.h"
#include "platform/frame_record.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"
#include "screens/fight_messages.h"

namespace {

enum BattleChoice { ATTACK, DRINK_POTION, FLEE };

constexpr std::int32_t POTION_HEAL_MIN = 15;
constexpr std::int32_t POTION_HEAL_MAX = 39;

void drawStrikeMark() {
    const ScreenPlace& mark = layout::STRIKE_MARK;
    setColour(COLOUR_RED);
    printAt({mark.column + 1, mark.row}, ".*/");
    printAt({mark.column, mark.row + 1}, "<-&->");
    printAt({mark.column + 1, mark.row + 2}, "'|'");
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
    showAction(layout::ANSWER_LINE, monsterBlowMessage(monsterName, monsterBlow));

    drawStrikeMark();

    const WeaponStats& weapon = g_weapons->stats(g_hero->weapon);
    const std::int32_t heroBlow = rollBetween(weapon.damageMin, weapon.damageMax);
    monster.hp = saturatingSubtract(monster.hp, heroBlow);
    const bool critical = heroBlow == weapon.damageMax;
    setColour(COLOUR_WHITE);
    showAction(layout::HERO_BLOW_LINE, heroBlowMessage(monsterName, heroBlow, critical),
               spokenHeroBlow(monsterName, heroBlow, critical));

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
    showAction(layout::ANSWER_LINE, FORMAT_RU("Джек восполнил %i HP", healed));
}

void BattleScreen::showEnemyHitPoints() const {
    const std::int32_t hp = g_monsters->stats(monsterIndex).hp;
    printAt(layout::ENEMY_HIT_POINTS, formatText("%i HP", hp));
    EnemyRecord& enemy = frameRecord().enemy;
    enemy.shown = true;
    enemy.name = utf8FromCp1251(g_monsters->name(monsterIndex).text());
    enemy.hp = hp;
}

void BattleScreen::run() {
    lines[0].assign(battleTitle(g_monsters->nameForms(monsterIndex)));
    setColour(COLOUR_GREY);
    g_monsters->draw(monsterIndex, layout::ENEMY_PICTURE.column, layout::ENEMY_PICTURE.row);

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
    showEnemyHitPoints();
    printLines();
    drawMenu();
}
