#pragma once

#include <cstdint>

class GameIo;

// The whole game, from the title picture to the end: start-up, the frame
// loop and shutdown. Data files are found as data_folders.h says. The
// game ends when a screen quits or when no more keys can come. Returns the
// exit status, always 0.
int runGame(GameIo& io, std::uint32_t seed);

// Prints a text file whole from the top left corner.
void showTitle(const char* path);
