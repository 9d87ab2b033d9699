#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/screen_text.h"

// A whole frame written out in a test the way the player sees it. `text` is
// the 49 rows of 80 characters, each closed by '|' so that trailing blanks
// show. `colours` is the same 49 rows with one character a cell: the
// colour's hex digit where the cell is not blank (2 green, 4 red, 6 brown,
// 7 grey, c light red, f white), a blank where it is; each row also closed
// by '|'. A raw string's first and last line breaks are ignored.
struct ExpectedScreen {
    const char* text;
    const char* colours;
};

// The whole frame is as expected; on failure both screens are printed, the
// differing rows marked with '>' and the differing cells with '^' below.
::testing::AssertionResult showsScreen(const Grid& grid, const ExpectedScreen& expected);

// A frame in the same two forms, for writing a new expected screen.
std::string screenText(const Grid& grid);
std::string screenColours(const Grid& grid);
