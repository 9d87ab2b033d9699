#include "screens/hunting_grounds_screen.h"

#include <algorithm>

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "platform/key_codes.h"
#include "platform/random.h"
#include "platform/russian_text.h"
#include "screens/battle_screen.h"
#include "screens/shared_screens.h"

namespace {

enum HuntChoice { FIND_ENEMY, STORY_TASK, BACK_TO_TOWN };

struct Place {
    const char* lines[3];
    const char* storyTask;
};

const Place PLACES[] = {
    {{RU(" Джек стоит посреди болота, затянутого "),
      RU("трясиной. Вокруг только старые сухие деревья,"),
      RU("скрывающие под своими ветвями мерзких тварей.")},
     RU("Идти за лягушачьей лапкой")},
    {{RU(" Песок, камни и жаркое солнце, но "), RU("расслабляться не стоит, ибо Джека окружают "),
      RU("враги.")},
     RU("Идти за скальпом индейца Мудрого Моска")},
    {{RU(" Преисподняя... В этих пещерах слышен лишь"),
      RU("утробный рев и хохот адских тварей, но"), RU("нельзя сдаваться. Нужно спасать мир!")},
     RU("Уничтожить Древнее Зло")},
};

}  // namespace

HuntingGroundsScreen::HuntingGroundsScreen() {
    addItem(MenuItem(RU("Искать врага"), true));
    addItem(MenuItem(RU("Сюжетное задание"), false));
    addItem(MenuItem(RU("Уйти в город"), false));
}

void HuntingGroundsScreen::startFight(std::int32_t monster) {
    g_screen = SCREEN_BATTLE;
    g_battle->monsterIndex = monster;
    MonsterStats& stats = g_monsters->stats(monster);
    stats.hp = stats.maxHp;  // a monster fled from earlier starts whole again
}

void HuntingGroundsScreen::run() {
    // The stage never leaves 0 to 2 in play; anything else shows the last place.
    const Place& place = PLACES[std::clamp(g_questStage, QUEST_STAGE_SEER, QUEST_STAGE_FINAL)];
    for (int i = 0; i < LINE_COUNT; ++i) {
        lines[i].assign(place.lines[i]);
    }
    items[STORY_TASK].text.assign(place.storyTask);

    if (g_key == KEY_ENTER) {
        const std::int32_t firstMonster = MONSTERS_PER_STAGE * g_questStage;
        switch (cursor) {
            case FIND_ENEMY:
                startFight(firstMonster + nextRandom() % 2);
                break;
            case STORY_TASK:
                if (g_hero->trophy == TROPHY_NONE) {
                    startFight(firstMonster + 2);
                } else {
                    // Left in force: the place's lines below come out white
                    // on this frame too, as one answer to the choice.
                    setColour(COLOUR_WHITE);
                    showAction(layout::ANSWER_LINE, RU("Ты уже выполнил этот квест"));
                }
                break;
            case BACK_TO_TOWN:
                g_screen = SCREEN_TOWN;
                break;
            default:
                break;
        }
    }
    printLines();
    drawMenu();
}
