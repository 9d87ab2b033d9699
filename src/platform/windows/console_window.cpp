#include "platform/windows/console_window.h"

#include <algorithm>

#include "platform/virtual_console.h"

namespace {

constexpr SHORT GAME_COLUMNS = VirtualConsole::COLUMNS;
constexpr SHORT GAME_ROWS = VirtualConsole::ROWS;

}  // namespace

bool ConsoleWindow::holdsGame() const {
    return columns() >= GAME_COLUMNS && rows() >= GAME_ROWS;
}

ConsoleWindow measureConsoleWindow(HANDLE output) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ConsoleWindow window;
    if (GetConsoleScreenBufferInfo(output, &info)) {
        window.bufferSize = info.dwSize;
        window.visible = info.srWindow;
    }
    return window;
}

bool resizeConsole(HANDLE output, COORD bufferSize, SMALL_RECT window) {
    const ConsoleWindow now = measureConsoleWindow(output);
    const SMALL_RECT shrunk{0, 0, SHORT(std::min<int>(now.columns(), bufferSize.X) - 1),
                            SHORT(std::min<int>(now.rows(), bufferSize.Y) - 1)};
    SetConsoleWindowInfo(output, TRUE, &shrunk);
    const bool bufferSet = SetConsoleScreenBufferSize(output, bufferSize);

    const COORD buffer = measureConsoleWindow(output).bufferSize;
    const SHORT columns = std::min<SHORT>(window.Right - window.Left + 1, buffer.X);
    const SHORT rows = std::min<SHORT>(window.Bottom - window.Top + 1, buffer.Y);
    const SHORT left = std::clamp<SHORT>(window.Left, 0, buffer.X - columns);
    const SHORT top = std::clamp<SHORT>(window.Top, 0, buffer.Y - rows);
    const SMALL_RECT placed{left, top, SHORT(left + columns - 1), SHORT(top + rows - 1)};
    return SetConsoleWindowInfo(output, TRUE, &placed) && bufferSet;
}

bool fitGameWindow(HANDLE output) {
    const COORD largest = GetLargestConsoleWindowSize(output);
    if (largest.X < GAME_COLUMNS || largest.Y < GAME_ROWS) {
        return false;  // the screen or the font leaves no room: keep the player's sizes
    }
    return resizeConsole(output, {GAME_COLUMNS, GAME_ROWS},
                         {0, 0, GAME_COLUMNS - 1, GAME_ROWS - 1});
}
