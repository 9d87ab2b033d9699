#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/data_placement.h"
#include "platform/game_io.h"
#include "platform/platform_help.h"
#include "platform/regular_file.h"

// Everything a platform backend (posix/, windows/, web/) implements, and nothing
// more; the game above this header is the same on every platform.
//
// GameIo::present    shows the console to the player (the picture, or the sentences of its
//                    record): before each key wait, once at the end
// GameIo::readKey    waits for one key byte (arrows: 224, then 72 or 80), or END_OF_INPUT
// openPlayerConsole  the player's real console as a GameIo, restored on every way out;
//                    nullptr, after one line on standard error, where there is none.
//                    PlainLines tells the game as lines of text for a screen reader or
//                    a braille display: no picture, colours or cursor moves; the page
//                    always does both
// tickCount          milliseconds from any fixed point, read once to seed the rolls
// executablePath     the running program's file, to find the data beside it; "" when unknown
// dataPlacement      which folders around the program hold its data on this platform
// platformHelp       what --help says of this platform's console, data folders and help switch
// readRegularFile    a data file's bytes, read so that nothing can make the game wait on it

enum class ConsoleMode { Picture, PlainLines };
std::unique_ptr<GameIo> openPlayerConsole(ConsoleMode mode = ConsoleMode::Picture);
std::uint32_t tickCount();
std::string executablePath();
