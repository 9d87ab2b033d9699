#include "platform/small_window_notice.h"

#include <cstdio>

#include "platform/virtual_console.h"

std::string smallWindowNotice(int columns, int rows) {
    char notice[256];
    std::snprintf(notice, sizeof notice,
                  // u8: the notice is UTF-8, whatever the game's texts are.
                  u8"Окно терминала слишком мало для игры: %d×%d.\r\n"
                  u8"Нужно хотя бы %d×%d. Увеличьте окно, и игра продолжится.",
                  columns, rows, VirtualConsole::COLUMNS, VirtualConsole::ROWS);
    return notice;
}
