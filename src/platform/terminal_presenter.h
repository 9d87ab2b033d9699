#pragma once

#include <string>

#include "platform/virtual_console.h"

// Works out the bytes that bring an xterm-compatible terminal from what it
// shows now to a new console grid: only the cells that changed, with cursor
// moves and colour changes only where they are needed, as UTF-8, wrapped in
// a synchronized update so the player never sees half a frame. It writes
// nothing itself: the caller sends the result in one write().
class TerminalPresenter {
public:
    TerminalPresenter();

    // The bytes for the next frame; empty when nothing changed.
    std::string render(const VirtualConsole::Grid& grid);
    // Forget what the terminal shows (after a resize, a resume, a notice):
    // the next render clears the terminal and draws the frame in full.
    void invalidate() { known_ = false; }

    // Colour escape for a console attribute (0 to 15) on black.
    static std::string colourSequence(std::uint8_t colour);

private:
    void moveTo(int column, int row, const VirtualConsole::Grid& grid, std::string& out);
    void writeCell(const VirtualConsole::Cell& cell, std::string& out);

    VirtualConsole::Grid shown_;
    bool known_ = false;
    int column_ = -1;  // terminal cursor, -1 when unknown
    int row_ = -1;
    int colour_ = -1;  // colour in force on the terminal, -1 when unknown
};

// Appends the UTF-8 form of one character.
void appendUtf8(char32_t ch, std::string& out);
