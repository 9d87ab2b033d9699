#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "byte_breakdown.h"
#include "core/screen_ids.h"
#include "platform/virtual_console.h"

// Our presenter against the byte floor (FloorPresenter) on every frame of a
// recorded game, as for a terminal that keeps synchronized updates whole.
//
// Two floors: the floor presenter playing the whole game on its own gives
// the game's total; for each frame, the floor from the very state our
// presenter left the terminal in (what it shows, the cursor, the colour)
// gives a fair measure of that frame. Both are replayed on the terminal
// model, which must show every frame exactly (the floor counts nothing a
// terminal cannot do), and the per-frame floor must never need more bytes
// than ours (it misses no trick ours uses).
struct FloorFrame {
    std::size_t index = 0;
    ScreenId screen = 0;
    std::size_t ours = 0;   // bytes, with the wrapper when there is one
    std::size_t floor = 0;  // from the same start as ours
    ByteBreakdown oursParts;
    ByteBreakdown floorParts;
};

struct FloorComparison {
    std::size_t oursTotal = 0;
    std::size_t floorTotal = 0;  // the floor presenter over the whole game
    std::size_t oursWrapped = 0;
    std::size_t floorWrapped = 0;
    ByteBreakdown floorParts;        // the floor presenter's bytes over the whole game
    std::vector<FloorFrame> frames;  // the frames that changed
    std::size_t floorAboveOurs = 0;  // frames where the floor needs more than ours
    std::size_t firstFloorAboveOurs = 0;
    std::size_t replayFailures = 0;  // frames a replay did not show exactly
    std::string firstFailure;
};

FloorComparison compareWithFloor(const std::vector<VirtualConsole::Grid>& frames,
                                 const std::vector<ScreenId>& screens);
void printFloorComparison(const FloorComparison& comparison);
