#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/virtual_console.h"

// What the three fuzz targets share. The loaders take file names, so each
// input is written to a scratch file first; drawing goes into a console of
// the target's own, so the pictures and names are fuzzed as the game draws
// them.
namespace fuzz {

// A file name in this process's scratch directory, made on first use
// under $TMPDIR and removed at exit.
std::string scratchPath(const char* name);
// Writes bytes to the scratch file of that name; returns its path.
std::string writeScratch(const char* name, const std::uint8_t* data, std::size_t size);
// Removes the scratch file, so the loader meets a missing file.
void removeScratch(const char* name);

// Statistics file first; a line holding SPRITE_MARK starts the sprite file.
// Without the mark there is no sprite file at all.
constexpr char SPRITE_MARK[] = "\n#sprites#\n";
struct SplitInput {
    std::string statsPath;
    std::string spritePath;
};
SplitInput writeSplit(const std::uint8_t* data, std::size_t size);

// Every place the game draws a picture at, then a few at or past the edges
// of the console, where clipping has to hold.
struct Place {
    std::int32_t column;
    std::int32_t row;
};
extern const Place PLACES[];
extern const int GAME_PLACE_COUNT;
extern const int PLACE_COUNT;

// Draws entry index of a sheet or catalogue at the game's places and, for
// the first few and the last entries, at the edges too: every entry is
// drawn, and a sheet of thousands still runs quickly.
template <typename Sheet>
void drawEntry(Sheet& sheet, std::int32_t index, std::int32_t count) {
    const bool edges = index < 8 || index >= count - 2;
    for (int p = 0; p < (edges ? PLACE_COUNT : GAME_PLACE_COUNT); ++p) {
        sheet.draw(index, PLACES[p].column, PLACES[p].row);
    }
}

// Makes console the drawing target for its lifetime.
class DrawingInto {
  public:
    explicit DrawingInto(VirtualConsole& console);
    ~DrawingInto();
};

// Prints a name the ways the game does: as it is, and through the printf
// formatting the battle messages use.
void printName(const char* name);

}  // namespace fuzz
