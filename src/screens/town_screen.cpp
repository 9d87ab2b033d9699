#include "screens/town_screen.h"

#include <algorithm>

#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {

enum TownChoice { ASK_HINT, GO_SHOP, GO_HUNT, GO_QUEST_GIVER, GO_EXIT };

struct StageTexts {
    const char* lines[3];
    const char* hint[3];
    // The hint once the stage's errand is taken and its trophy not yet
    // handed in; the stage without an errand has none.
    const char* errandHint[3];
    const char* questItem;
};

const StageTexts STAGES[] = {
    {{RU("Что будем делать?"), "", ""},
     {RU(" Я думаю, нужно навестить местную провидицу."), RU("Она должна помочь."), ""},
     {RU(" Провидица ждет лягушачью лапку с болота."), RU("Пока не принесу, помогать не станет."),
      ""},
     RU("Пойду к провидице")},
    {{RU("Что будем делать?"), "", ""},
     {RU(" Если верить той старой укуренной провидице,"), RU("то нужно найти индейца Мабунгу."),
      ""},
     {RU(" Мабунга ждет скальп Мудрого Моска."), RU("Пока не принесу, помогать не станет."), ""},
     RU("Пойду к Мабунге")},
    {{RU(" Ну вот я и под землей. Можно сказать,"), RU("в аду."), ""},
     {RU(" МОЧИТЬ ВРАГОВ И СПАСАТЬ МИР!!! УРААА!"), "", ""},
     {nullptr, nullptr, nullptr},
     RU("Спасибо провидице и Мабунге")},
};

const StageTexts& textsFor(std::int32_t stage) {
    // The stage never leaves 0 to 2 in play; anything else shows the last.
    return STAGES[std::clamp(stage, QUEST_STAGE_SEER, QUEST_STAGE_FINAL)];
}

}  // namespace

TownScreen::TownScreen() {
    addItem(MenuItem(RU("Хм, а что я сейчас делаю-то?"), true));
    addItem(MenuItem(RU("Пойду в магазин"), false));
    addItem(MenuItem(RU("Пойду мочить врагов"), false));
    addItem(MenuItem(RU("Квест"), false));
    addItem(MenuItem(RU("Пойду я нафиг из игры"), false));
}

void TownScreen::run() {
    const StageTexts& stage = textsFor(g_questStage);
    for (int i = 0; i < LINE_COUNT; ++i) {
        lines[i].assign(stage.lines[i]);
    }
    items[GO_QUEST_GIVER].text.assign(stage.questItem);

    if (g_key == KEY_ENTER) {
        switch (cursor) {
            case ASK_HINT: {
                const bool onErrand = g_hero->questTaken != 0 && stage.errandHint[0] != nullptr;
                for (int i = 0; i < LINE_COUNT; ++i) {
                    lines[i].assign(onErrand ? stage.errandHint[i] : stage.hint[i]);
                }
                break;
            }
            case GO_SHOP:
                g_screen = SCREEN_SHOP;
                break;
            case GO_HUNT:
                if (g_hero->questTaken != 0 || g_questStage == QUEST_STAGE_FINAL) {
                    g_screen = SCREEN_HUNT;
                } else {
                    lines[0].assign(RU("Нужно сначала узнать, куда идти."));
                    lines[1].assign("");
                    lines[2].assign("");
                }
                break;
            case GO_QUEST_GIVER:
                if (g_questStage == QUEST_STAGE_SEER) {
                    g_screen = SCREEN_SEER;
                } else if (g_questStage == QUEST_STAGE_INDIAN) {
                    g_screen = SCREEN_INDIAN;
                }
                break;
            case GO_EXIT:
                g_screen = SCREEN_EXIT_CONFIRM;
                break;
            default:
                break;
        }
    }
    printLines();
    drawMenu();
}
