#pragma once

#include <string>

#include "platform/virtual_console.h"

// A frame as text: its rows of shown glyphs (glyphOf, UTF-8), then a row of
// colour digits (0-f) for each, every row ending in '|' so that trailing
// blanks show.
std::string frameText(const VirtualConsole::Grid& grid);
