#pragma once

#include <string>

#include "platform/virtual_console.h"

// One frame of the console as an SVG picture, the way a terminal shows it:
// each cell's shown glyph (glyphOf) in its console colour on black, every
// character at its own cell of a fixed grid so that lines drawn with
// characters join, in a monospace font that has Cyrillic. title names the
// picture for readers that cannot see it.
std::string svgScreenshot(const VirtualConsole::Grid& grid, const std::string& title);

// The picture's grid: a cell's size and where a row's text stands on it.
constexpr int SVG_CELL_WIDTH = 10;
constexpr int SVG_CELL_HEIGHT = 20;
constexpr int SVG_BASELINE = 16;

// The 16 console colours as "#RRGGBB", by their attribute number 0 to 15.
const char* svgConsoleColour(int colour);
