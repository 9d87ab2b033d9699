#pragma once

#include <cstdint>

#include "platform/virtual_console.h"
#include "support/terminal_model.h"

// The ANSI colour a console attribute is shown in. Console attributes are
// blue 1, green 2, red 4, bright 8; ANSI colours are red 1, green 2, blue 4,
// bright 8.
int ansiColour(std::uint8_t attribute);

// Whether the terminal shows the console's cell as the player should see
// it: its glyph in its colour, on black. A blank only needs to be blank on
// black, whatever its text colour.
bool showsCell(const TerminalModel::Cell& shown, const VirtualConsole::Cell& cell);
