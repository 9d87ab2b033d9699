#pragma once

#include <string>

// What the player reads instead of a garbled frame while the window is
// smaller than the game's 80x49: the size it has, the size it needs, and
// that the game goes on once it is enlarged. UTF-8, the lines separated by
// CR LF; every backend shows the same words.
std::string smallWindowNotice(int columns, int rows);
