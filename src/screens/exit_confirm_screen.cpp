#include "screens/exit_confirm_screen.h"

#include "console/console_output.h"
#include "core/game_state.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

ExitConfirmScreen::ExitConfirmScreen() {
    addItem(MenuItem(RU("Угу"), true));
    addItem(MenuItem(RU("Неа"), false));
    lines[0].assign(RU("Действительно выйти?"));
}

void ExitConfirmScreen::run() {
    if (g_key == KEY_ENTER) {
        if (cursor == 0) {
            g_screen = SCREEN_QUIT;
        } else if (cursor == 1) {
            g_screen = SCREEN_TOWN;
        }
    }
    printLines();
    drawMenu();
}
