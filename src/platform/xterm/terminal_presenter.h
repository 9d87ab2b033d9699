#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/virtual_console.h"

// Works out the bytes that bring an xterm-compatible terminal from what it
// shows now to a new console grid: only the cells that changed, as UTF-8.
// It picks the cheapest way each time: the shortest cursor move (see
// cursor_moves.h), rewriting a few unchanged cells instead of moving over
// them, erasing runs of blanks (ECH, EL, ED on the black background in
// force) instead of writing them, a colour change only where the colour
// differs, and a full clear and redraw when that costs less than changing
// what is there. A frame large enough to tear goes in a synchronized update
// when the terminal keeps one whole. It writes nothing itself: the caller
// sends the result in one write(). `make bench` measures it against ncurses
// and against the byte floor.
class TerminalPresenter {
  public:
    TerminalPresenter();

    // Frames of at least this many bytes go in a synchronized update, when
    // the terminal supports it. A frame reaches the terminal as a whole
    // unless it is split on the way, and the larger it is, the likelier that
    // is (over SSH, 256 bytes take 2 ms at 1 Mbit/s); below this a frame
    // changes a few lines at most, a menu move or a fight's round, so half
    // of it shown for one refresh goes unseen, while every change of screen
    // (270 bytes and more in a recorded game) is wrapped.
    static constexpr std::size_t TEARING_BYTES = 256;
    // Whether the terminal said it keeps a synchronized update (mode 2026)
    // whole; until then no frame is wrapped in one.
    void setSynchronizedUpdate(bool supported) { synchronizedUpdate_ = supported; }
    bool synchronizedUpdate() const { return synchronizedUpdate_; }

    // The modes every frame relies on, sent before a frame drawn in full
    // (the first, and the first after invalidate()): an earlier program may
    // have left the terminal otherwise. Text replaces what is there rather
    // than pushing it aside (IRM off); rows count from the top of the screen
    // (DECOM off), which scrolls as a whole (DECSTBM reset, which also homes
    // the cursor) between margins at its edges (DECLRMM off); a long line
    // wraps (DECAWM on); and letters are letters, not line drawing (ASCII
    // as G0, G0 in use).
    static constexpr const char* FRAME_MODES = "\x1b[4l\x1b[?6l\x1b[?69l\x1b[r\x1b[?7h\x1b(B\x0f";

    // The bytes for the next frame; empty when nothing changed.
    std::string render(const VirtualConsole::Grid& grid);
    // Forget what the terminal shows (after a resize, a resume, a notice):
    // the next render sets the frame's modes again, clears the terminal and
    // draws the frame in full.
    void invalidate() { known_ = false; }

    // Colour escape for a console attribute (0 to 15) on black.
    static std::string colourSequence(std::uint8_t colour);

  private:
    using Cell = VirtualConsole::Cell;
    using Grid = VirtualConsole::Grid;
    // Appends what changes the terminal from `shown` to `grid`.
    void renderChanges(const Grid& shown, const Grid& grid, std::string& out);
    void renderRow(int row, const Cell* have, const Cell* want, std::string& out);
    bool eraseBelow(int row, const Grid& shown, const Grid& grid, std::string& out);
    // Where in the blanks just before `column` (itself blank) an erase that
    // must reach `lastErased` costs least, with the way to `next` after it
    // (-1: nothing after it on the row).
    int cheapestEraseStart(int column, int row, int lastErased, int next, const Cell* want,
                           bool toRowEnd) const;
    int moveCost(int column, int row) const;
    void moveTo(int column, int row, std::string& out);
    // Bytes of rewriting the row's cells from `from` up to the column, or -1
    // when that would take colour changes or is too far.
    int bridgeCost(int from, int column, const Cell* want) const;
    // Bytes of the cheaper of a move and a bridge, from a place (column -1:
    // unknown) or from the cursor; the way itself.
    int reachCost(int fromColumn, int fromRow, int column, int row, const Cell* want) const;
    int reachCost(int column, int row, const Cell* want) const;
    void reach(int column, int row, const Cell* want, std::string& out);
    void writeCell(const Cell& cell, std::string& out);
    std::size_t inkBytes(const Grid& grid, std::size_t enough) const;

    Grid shown_;
    bool known_ = false;
    bool synchronizedUpdate_ = false;
    int column_ = -1;  // terminal cursor, -1 when unknown
    int row_ = -1;
    int colour_ = -1;                // colour in force on the terminal, -1 when unknown
    std::uint64_t changedRows_ = 0;  // rows unlike what was shown, by the last render
    static_assert(VirtualConsole::ROWS <= 64, "changedRows_ keeps one bit a row");
};
