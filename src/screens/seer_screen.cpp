#include "screens/seer_screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "platform/key_codes.h"

namespace {

constexpr std::int32_t SEER_PORTRAIT = 1;

const char* const STEP_LINES[][3] = {
    {" Я ждала тебя, правда я всегда кого-то", "жду, в надежде, что мне принесут еще",
     "чего-нибудь покурить... Зачем ты пришел сюда?"},
    {" Древнее Зло! Страшно звучит, но я не смогу", "тебе помочь, пока ты не принесешь мне",
     "Лягушачью Лапку с болота для раскурки..."},
    {" [Немного позже] Добротная лапка.", "Давно так не плющило, могу сказать только",
     "одно : иди к индейцу Мабунге он поможет тебе."},
};
constexpr std::int32_t STEPS_WITH_LINES = 3;

}  // namespace

SeerScreen::SeerScreen() {
    addItem(MenuItem("Рассказать о Древнем Зле", true));
    addItem(MenuItem("Пойду ка я", false));
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
                printAt(31, 28, "Ты не принес мне лапку!");
            }
        }
        // Tested after the hand-in, so one Enter never both opens and closes
        // the errand.
        if (step == 0) {
            step = 1;
            items[0].text.assign("Я принес лапку");
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
