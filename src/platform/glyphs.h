#pragma once

// The character the player is shown for a cell's character, on every
// console the game runs on. A tab, a carriage return or an escape read from
// a damaged data file would move the cursor or start a sequence of its own
// and garble the frame; the control codes 0 to 31 and 127 show as the
// console's picture characters instead (☺, ♪, ←, ⌂ ...), and C1 controls and
// what no console can show become '?'.
char32_t glyphOf(char32_t ch);
