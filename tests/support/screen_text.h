#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/virtual_console.h"

// Reading a console grid the way the player sees it. Expected texts in the
// tests are UTF-8; the grid holds the Unicode characters the player reads.
using Grid = VirtualConsole::Grid;
// The console's size, for tests that walk its cells.
inline constexpr int COLUMNS = VirtualConsole::COLUMNS;
inline constexpr int ROWS = VirtualConsole::ROWS;

std::u32string fromUtf8(const std::string& text);
std::string toUtf8(const std::u32string& text);
// The Windows-1251 bytes of a UTF-8 text, to hand texts to the game.
std::string cp1251(const std::string& utf8);

// A Windows-1251 text (as the game holds it) as UTF-8.
std::string fromCp1251(const std::string& bytes);

// The row's characters as UTF-8, without trailing blanks.
std::string rowText(const Grid& grid, int row);
// length characters from (column, row), as UTF-8.
std::string textAt(const Grid& grid, int column, int row, int length);
std::uint8_t colourAt(const Grid& grid, int column, int row);
bool screenContains(const Grid& grid, const std::string& text);
// The whole grid, one row a line, each ending in '|' so trailing blanks show.
std::string dumpFrame(const Grid& grid);

// The places every screen shares: its three message lines at column 31,
// rows 32 to 34; its menu's five items from column 32, row 36, one every
// second row; the one-frame action lines at column 31, rows 27 and 28.
struct Place {
    int column;
    int row;
};
constexpr Place messageLine(int line) {
    return {31, 32 + line};
}
constexpr Place menuItem(int item) {
    return {32, 36 + 2 * item};
}
constexpr Place actionLine(int line = 0) {
    return {31, 27 + line};
}

std::string textAt(const Grid& grid, Place place, int length);
std::uint8_t colourAt(const Grid& grid, Place place);

// The text stands at (column, row); on failure the whole frame is printed.
::testing::AssertionResult hasTextAt(const Grid& grid, int column, int row,
                                     const std::string& text);
// Every cell of the text at (column, row) is in that colour, and the text is there.
::testing::AssertionResult hasColouredTextAt(const Grid& grid, int column, int row,
                                             const std::string& text, std::uint8_t colour);
::testing::AssertionResult hasTextAt(const Grid& grid, Place place, const std::string& text);
::testing::AssertionResult hasColouredTextAt(const Grid& grid, Place place, const std::string& text,
                                             std::uint8_t colour);
