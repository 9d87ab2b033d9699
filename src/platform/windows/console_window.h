#pragma once

#include <windows.h>

// The part of the console's screen buffer the player sees, and making it
// the game's size.
struct ConsoleWindow {
    COORD bufferSize{0, 0};
    SMALL_RECT visible{0, 0, -1, -1};  // buffer coordinates, both ends included

    int columns() const { return visible.Right - visible.Left + 1; }
    int rows() const { return visible.Bottom - visible.Top + 1; }
    COORD topLeft() const { return {visible.Left, visible.Top}; }
    // The whole 80x49 frame can be seen at once.
    bool holdsGame() const;
};

// The console's window now; an empty one when output is not a console.
ConsoleWindow measureConsoleWindow(HANDLE output);

// Gives the console a buffer and a window of exactly 80x49 where the
// screen has room for such a window; false, with the sizes possibly
// changed, where it could not.
bool fitGameWindow(HANDLE output);

// Sets the buffer size and then the window, the window shrunk first where
// the new buffer is smaller, since a window may never be larger than its
// buffer. The window is placed as asked, moved up where the buffer ends.
bool resizeConsole(HANDLE output, COORD bufferSize, SMALL_RECT window);
