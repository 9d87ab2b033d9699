#pragma once

#include <cstdint>
#include <vector>

#include "platform/virtual_console.h"

// The rows of a frame that a page has to redraw, with what they show: each
// cell's glyph (glyphOf) as one UTF-16 unit and its colour (0 to 15, the
// text colour on black), COLUMNS of each per row, rows top first.
struct RowUpdate {
    std::vector<int> rows;
    std::vector<char16_t> text;
    std::vector<std::uint8_t> colours;
};

// What the page shows for a cell's character: its glyph (glyphOf) as one
// UTF-16 unit. A browser draws a soft hyphen (Windows-1251 0xAD) only where
// it breaks a line, so in a row it would take no cell and shift the rest;
// it shows as the hyphen a console draws. A glyph outside the first plane
// (which no code page the game uses holds) shows as '?'.
char16_t pageGlyph(char32_t ch);

// The rows of next that differ from shown, or every row when nothing has
// been shown yet (shown is null).
RowUpdate changedRows(const VirtualConsole::Grid* shown, const VirtualConsole::Grid& next);
