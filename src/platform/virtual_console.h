#pragma once

#include <array>
#include <cstdint>

#include "platform/frame_record.h"

// The character grid that stands in for the Windows console buffer: 80
// columns by 49 rows of cells, a cursor and a current colour. Writing follows
// the console's rules: a line feed goes to column 0 of the next row, a
// character written in the last column moves the cursor to the next row, and
// anything below the last row is dropped rather than scrolled. It knows
// nothing about terminals; the presenter shows it, tests read it. Beside
// the grid it keeps the frame's record: what the drawing means.
class VirtualConsole {
  public:
    static constexpr int COLUMNS = 80;
    static constexpr int ROWS = 49;

    struct Cell {
        char32_t ch = U' ';
        std::uint8_t colour = 7;
        bool operator==(const Cell& other) const {
            return ch == other.ch && colour == other.colour;
        }
        bool operator!=(const Cell& other) const { return !(*this == other); }
    };
    using Grid = std::array<Cell, COLUMNS * ROWS>;

    VirtualConsole();

    // Blanks every cell in the colour in force, homes the cursor and
    // empties the record: each frame starts from an empty screen.
    void clear();
    // A position outside the grid is refused and the cursor stays where it
    // was: nothing is ever drawn off the console, and text whose place was
    // refused follows the text before it instead of being lost.
    void moveCursor(int column, int row);
    void setColour(std::uint8_t colour) { colour_ = colour; }
    std::uint8_t colour() const { return colour_; }
    void put(char32_t ch);

    int cursorColumn() const { return column_; }
    int cursorRow() const { return row_; }
    const Cell& cell(int column, int row) const { return grid_[row * COLUMNS + column]; }
    const Grid& grid() const { return grid_; }
    FrameRecord& record() { return record_; }
    const FrameRecord& record() const { return record_; }

  private:
    Grid grid_;
    FrameRecord record_;
    int column_ = 0;
    int row_ = 0;
    std::uint8_t colour_ = 7;
};
