// The outcome of an attack exchange: the reward, the quest trophies and
// the two endings. Part of BattleScreen, kept apart because it is where the
// story moves on.
#include "console/console_output.h"
#include "core/dice.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "platform/russian_text.h"
#include "screens/battle_screen.h"
#include "screens/fight_messages.h"
#include "screens/shared_screens.h"
#include "screens/story_screen.h"

void BattleScreen::checkOutcome() {
    MonsterStats& monster = g_monsters->stats(monsterIndex);
    if (monster.hp <= 0) {
        const std::int32_t reward = rollBetween(monster.rewardMin, monster.rewardMax);
        showAction(layout::ANSWER_LINE, killMessage(g_monsters->nameForms(monsterIndex), reward));
        g_hero->money = saturatingAdd(g_hero->money, reward);
        g_screen = SCREEN_HUNT;
        g_forceWait = 1;
        if (monsterIndex == MONSTER_FROG_PAW_OWNER) {
            lines[0].assign(RU("Джек получил лягушачью лапку"));
            g_hero->trophy = TROPHY_FROG_PAW;
        }
        if (monsterIndex == MONSTER_WISE_MOSK) {
            lines[0].assign(RU("Джек получил скальп Мудрого Моска"));
            g_hero->trophy = TROPHY_SCALP;
        }
        if (monsterIndex == MONSTER_DEMON) {
            lines[0].assign(RU("Ураааа, победа!!!"));
            g_story->page = VICTORY_PAGE;
            g_screen = SCREEN_STORY;
        }
    }
    // Death overrides victory, even in the exchange that killed the monster.
    if (g_hero->hp <= 0) {
        g_story->page = DEATH_PAGE;
        g_screen = SCREEN_STORY;
    }
}
