#include "screens/seer_screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {

constexpr std::int32_t SEER_PORTRAIT = 1;

const char* const STEP_LINES[][3] = {
    {RU(" Я ждала тебя, правда, я всегда кого-то"), RU("жду, в надежде, что мне принесут еще"),
     RU("чего-нибудь покурить... Зачем ты пришел сюда?")},
    {RU(" Древнее Зло! Страшно звучит, но я не смогу"), RU("тебе помочь, пока ты не принесешь мне"),
     RU("лягушачью лапку с болота для раскурки...")},
    {RU(" [Немного позже] Добротная лапка."), RU("Давно так не плющило. Могу сказать только"),
     RU("одно: иди к индейцу Мабунге, он поможет тебе.")},
};
constexpr std::int32_t STEPS_WITH_LINES = 3;

}  // namespace

SeerScreen::SeerScreen() {
    addItem(MenuItem(RU("Рассказать о Древнем Зле"), true));
    addItem(MenuItem(RU("Пойду-ка я"), false));
}

void SeerScreen::run() {
    if (g_key == KEY_ENTER && cursor == 0) {
        if (g_hero->questTaken != 0) {
            if (g_hero->trophy != 0) {
                g_hero->questTaken = 0;
                g_hero->trophy = 0;
                ++step;
                ++g_questStage;
            } else {
                setColour(COLOUR_GREY);
                showAction(layout::ANSWER_LINE, RU("Ты не принес мне лапку!"));
            }
        }
        // Tested after the hand-in, so one Enter never both opens and closes
        // the errand.
        if (step == 0) {
            step = 1;
            items[0].text.assign(RU("Я принес лапку"));
            g_hero->questTaken = 1;
        }
    }
    if (step >= 0 && step < STEPS_WITH_LINES) {
        for (int i = 0; i < LINE_COUNT; ++i) {
            lines[i].assign(STEP_LINES[step][i]);
        }
    }
    if (g_key == KEY_ENTER && cursor == 1) {
        g_screen = SCREEN_TOWN;
    }
    printLines();
    drawMenu();
    drawPortrait(SEER_PORTRAIT);
}
