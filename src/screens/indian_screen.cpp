#include "screens/indian_screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {

constexpr std::int32_t INDIAN_PORTRAIT = 2;
constexpr std::int32_t STEP_SCALP_REQUEST = 2;

const char* const STEP_LINES[][3] = {
    {RU(" Приветствую тебя, Джек."), "", ""},
    {RU(" Я знаю, я много чего знаю... Древнее Зло"), RU("нужно разрушить, иначе мир будет"),
     RU("уничтожен... хм... или наоборот.")},
    {RU(" Я помогу тебе, но сначала ты должен"), RU("принести мне скальп Мудрого Моска."),
     RU("Наши племена враждуют уже несколько столетий.")},
    {RU(" Оо, ты принес скальп! Итак, пророчество"), RU("гласит, что однажды Древнее Зло"),
     RU("пробудится и уничтожит мир...")},
    {RU("...и только избранный может помешать"), RU("этому... Джек, ты и есть избранный!!!"),
     RU("На самом деле, остальным просто лень.")},
    {RU(" Древнее Зло находится под землей, и его"), RU("охраняет верховный демон Монтакулус."),
     RU("Купи хорошее оружие, прежде чем идти туда.")},
};
constexpr std::int32_t STEPS_WITH_LINES = 6;

}  // namespace

IndianScreen::IndianScreen() {
    addItem(MenuItem(RU("Меня послала провидица"), true));
    addItem(MenuItem(RU("Уже сваливаю"), false));
}

void IndianScreen::run() {
    if (g_key == KEY_ENTER && cursor == 0) {
        if (g_hero->questTaken != 0) {
            if (g_hero->trophy != 0) {
                g_hero->questTaken = 0;
                g_hero->trophy = 0;
                ++g_questStage;
            } else {
                setColour(COLOUR_GREY);
                showAction(layout::ANSWER_LINE, RU("Ты не принес мне скальп!"));
            }
        }
        if (step == 1) {
            items[0].text.assign(RU("Я принес скальп"));
            g_hero->questTaken = 1;
        }
        // Unlike the seer, the hand-in itself does not move the step: the
        // cleared errand lets this advance do it, and an owed scalp holds it.
        if (step < STEP_SCALP_REQUEST || g_hero->questTaken == 0) {
            ++step;
        }
    }
    if (g_key == KEY_ENTER && cursor == 1) {
        g_screen = SCREEN_TOWN;
    }
    if (step >= 0 && step < STEPS_WITH_LINES) {
        for (int i = 0; i < LINE_COUNT; ++i) {
            lines[i].assign(STEP_LINES[step][i]);
        }
    }
    printLines();
    drawMenu();
    drawPortrait(INDIAN_PORTRAIT);
}
