#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/virtual_console.h"
#include "platform/windows/console_window.h"

// Shows the game's grid in a console screen buffer, at the top left of the
// window, with WriteConsoleOutputW: only the rows that differ from what it
// showed last, every row after invalidate() or when the window has moved.
// Each cell goes out as the character the player should see (glyphOf) in
// the game's colour, used as the console attribute as it is. Knows nothing
// of sizes: it draws where it is told.
class ConsoleScreen {
  public:
    explicit ConsoleScreen(HANDLE output) : output_(output) {}

    void show(const VirtualConsole::Grid& grid, const ConsoleWindow& window);
    // The small-window notice on an otherwise blank window, in the
    // console's own colours; the next show() redraws every row.
    void showNotice(const ConsoleWindow& window);
    void invalidate() { valid_ = false; }
    // Moves the cursor to the start of the line below what is on view, for
    // the prompt that follows the game.
    void leave();

  private:
    void blank(const ConsoleWindow& window);

    HANDLE output_;
    std::array<CHAR_INFO, VirtualConsole::COLUMNS * VirtualConsole::ROWS> cells_{};
    VirtualConsole::Grid shown_{};
    bool valid_ = false;
    COORD origin_{0, 0};
    enum class OnView { Nothing, Grid, Notice } onView_ = OnView::Nothing;
};

// The cells of a grid as console characters and attributes, row by row.
void toCharInfo(const VirtualConsole::Grid& grid, CHAR_INFO* cells);

// Writes a UTF-8 text at the console's cursor, through its wide-character
// output, which a screen reader reads as it appears.
void writeUtf8(HANDLE output, const std::string& text);
