#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/screen_layout.h"
#include "platform/utf8.h"
#include "platform/virtual_console.h"

// Reading a console grid the way the player sees it. Expected texts in the
// tests are UTF-8; the grid holds the Unicode characters the player reads.
using Grid = VirtualConsole::Grid;
// The console's size, for tests that walk its cells.
inline constexpr int COLUMNS = VirtualConsole::COLUMNS;
inline constexpr int ROWS = VirtualConsole::ROWS;

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

// The places every screen shares, as the game names them: its three
// message lines, its menu's five items one every second row, the two
// one-frame action lines. The whole-screen grids pin where they stand.
using Place = ScreenPlace;
constexpr Place messageLine(int line) {
    return {layout::MESSAGE_LINES.column, layout::MESSAGE_LINES.row + line};
}
constexpr Place menuItem(int item) {
    return {layout::MENU.column, layout::MENU.row + layout::MENU_ROW_STEP * item};
}
constexpr Place actionLine(int line = 0) {
    return {layout::HERO_BLOW_LINE.column, layout::HERO_BLOW_LINE.row + line};
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
