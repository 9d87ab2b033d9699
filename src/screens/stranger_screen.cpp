#include "screens/stranger_screen.h"

#include "core/game_state.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {
constexpr std::int32_t STRANGER_PORTRAIT = 4;
}

StrangerScreen::StrangerScreen() {
    addItem(MenuItem(RU("ЭЭ!? Ты куда? Что за бред?"), true));
    addItem(MenuItem(RU("Эх, ну вот не дадут отдохнуть!"), false));
    addItem(MenuItem(RU("Хмм... я что, разговариваю с трупом?!"), false));
}

void StrangerScreen::run() {
    lines[0].assign(RU(" Найди его... [кашляет] И уничтожь Древнее "));
    lines[1].assign(RU("Зло... берегись Монтакулуса... [умер]"));
    printLines();
    drawMenu();
    drawPortrait(STRANGER_PORTRAIT);
    // Acted on after drawing: the whole frame is drawn, then the town
    // replaces it at once.
    if (g_key == KEY_ENTER) {
        g_screen = SCREEN_TOWN;
    }
}
