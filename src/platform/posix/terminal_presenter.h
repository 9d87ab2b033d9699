#pragma once

#include <string>

#include "platform/virtual_console.h"

// Works out the bytes that bring an xterm-compatible terminal from what it
// shows now to a new console grid: only the cells that changed, as UTF-8,
// wrapped in a synchronized update so the player never sees half a frame.
// It picks the cheapest way each time: the shortest cursor move (absolute,
// relative, CR and line feeds), rewriting a few unchanged cells instead of
// moving over them, erasing runs of blanks (ECH, EL, ED on the black
// background in force) instead of writing them, and a colour change only
// where the colour differs. It writes nothing itself: the caller sends the
// result in one write(). `make bench` measures it against ncurses.
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
    using Cell = VirtualConsole::Cell;
    void renderRow(int row, const VirtualConsole::Grid& grid, std::string& out);
    bool eraseBelow(int row, const VirtualConsole::Grid& grid, std::string& out);
    // Bytes of the cheapest cursor move from where the cursor is.
    int moveCost(int column, int row) const;
    void moveTo(int column, int row, std::string& out);
    // Bytes of rewriting the row's cells from the cursor up to the column,
    // or -1 when that would take colour changes or is too far.
    int bridgeCost(int column, int row, const Cell* want) const;
    // Bytes of the cheaper of the two; the way itself.
    int reachCost(int column, int row, const Cell* want) const;
    void reach(int column, int row, const Cell* want, std::string& out);
    void writeCell(const Cell& cell, std::string& out);

    VirtualConsole::Grid shown_;
    bool known_ = false;
    int column_ = -1;  // terminal cursor, -1 when unknown
    int row_ = -1;
    int colour_ = -1;  // colour in force on the terminal, -1 when unknown
};
