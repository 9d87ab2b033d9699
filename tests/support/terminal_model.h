#pragma once

#include <string>
#include <vector>

// A model of the xterm-compatible terminal the presenter writes to, for
// checking what its bytes put on screen. It keeps a grid of cells (a
// character with its text and background colour), a cursor, the colours in
// force and the two private modes the game uses: synchronized update (?2026)
// and cursor visibility (?25).
//
// It understands UTF-8 text, CR, LF and BS, the cursor moves CUP, CUU, CUD,
// CUF, CUB, CNL, CPL, CHA and VPA, the erases ED, EL and ECH (which blank
// cells in the background colour in force, as xterm does), and SGR 0 and the
// 16 colours for text and background. It also keeps the modes an earlier
// program may have left behind, as a terminal does: insert mode (IRM),
// origin mode (DECOM) with a scroll region (DECSTBM), autowrap (DECAWM),
// left and right margins (DECLRMM, only ever turned off here) and the
// line-drawing set (ESC ( 0, ESC ) 0, SO, SI). Text written in insert mode
// or in the line-drawing set, and a line feed or a wrap at the bottom of the
// scroll region, are errors; rows of CUP and VPA count from the region's
// top in origin mode. Anything else is an error too: another control
// character, another escape sequence or mode (the alternate screen, say),
// malformed UTF-8, a line feed on the last row (it would scroll), and any
// drawing outside a synchronized update when that is required.
//
// A character written in the last column leaves the cursor there with the
// wrap pending, as xterm does. Terminals differ here (some wrap at once), so
// with cursorLostAtLastColumn the model takes the cursor as unknown after
// such a character: until an absolute move (CUP) anything that depends on
// where it is counts as an error. A backspace right after such a character
// is an error either way, as terminals disagree on where it lands.
//
// A line feed keeps the column, as on xterm; with lineFeedReturns it goes to
// the start of the next row, as when the terminal driver turns LF into CR LF
// (its usual output setting).
class TerminalModel {
  public:
    static constexpr int DEFAULT_COLOUR = -1;

    struct Cell {
        char32_t ch = U' ';
        int foreground = DEFAULT_COLOUR;  // ANSI 0 to 15
        int background = DEFAULT_COLOUR;
    };

    struct Options {
        bool cursorLostAtLastColumn = false;
        bool lineFeedReturns = false;
        bool requireSynchronizedUpdate = false;
    };

    TerminalModel(int columns, int rows) : TerminalModel(columns, rows, Options{}) {}
    TerminalModel(int columns, int rows, Options options);

    // Applies the bytes; false at the first thing not understood, with
    // error() telling what and where. The model stays as far as it got.
    bool apply(const std::string& bytes);
    const std::string& error() const { return error_; }

    const Cell& cell(int column, int row) const { return cells_[row * columns_ + column]; }
    // Fills every cell with the character in the colours, as leftovers of
    // whatever the terminal showed before.
    void fill(char32_t ch, int foreground, int background);
    bool synchronizedUpdate() const { return synchronized_; }
    bool cursorVisible() const { return cursorVisible_; }
    int cursorColumn() const { return column_; }
    int cursorRow() const { return row_; }
    // Whether the cursor's place is unknown (see cursorLostAtLastColumn).
    bool cursorLost() const { return cursorLost_; }
    // The colours in force for the next character, or DEFAULT_COLOUR.
    int foreground() const { return foreground_; }
    int background() const { return background_; }

  private:
    bool fail(const std::string& what, std::size_t at);
    bool applyCsi(const std::string& bytes, std::size_t& i);
    bool applyMode(bool privateMode, const std::vector<int>& params, bool set, std::size_t at);
    bool applyEscape(const std::string& bytes, std::size_t& i);
    // A move to a row of the frame, counted from the top of the scroll
    // region in origin mode.
    void moveToRow(int column, int row);
    // The last row a line feed or a wrap may reach without scrolling.
    int scrollBottom() const;
    bool print(char32_t ch, std::size_t at);
    bool drawing(std::size_t at);
    bool cursorKnown(std::size_t at);
    void erase(int from, int to);  // cells [from, to) in reading order
    void moveTo(int column, int row);

    int columns_;
    int rows_;
    Options options_;
    std::vector<Cell> cells_;
    int column_ = 0;
    int row_ = 0;
    bool wrapPending_ = false;
    bool cursorLost_ = false;
    int foreground_ = DEFAULT_COLOUR;
    int background_ = DEFAULT_COLOUR;
    bool synchronized_ = false;
    bool cursorVisible_ = true;
    bool insert_ = false;
    bool origin_ = false;
    bool autowrap_ = true;
    int top_ = 0;  // the scroll region, rows top_ to bottom_
    int bottom_ = 0;
    bool lineDrawing_[2] = {false, false};  // G0 and G1
    bool shiftedOut_ = false;               // G1 in use
    std::string error_;
};
