#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "floor_moves.h"
#include "platform/virtual_console.h"

// The byte floor: a presenter that sends, for each frame, the fewest bytes
// that bring the terminal from what it shows to the frame within this model.
// Every changed cell is written as UTF-8 in reading order, or blanked by an
// erase: EL, ED or ECH at the cursor, or a full clear (CSI 2 J) at the
// start, after which the cells with text are written again. Between cells it
// takes the cheapest move of FloorMoves, or writes through cells, changed or
// not; a colour change (5 bytes) only where the colour in force differs.
// Background stays black, as for the game's presenter; after a character in
// the last column the cursor counts as lost. A dynamic programme over the
// cells in reading order, with the cursor, the colour in force and what has
// been erased as its state, finds the cheapest frame exactly.
//
// The synchronized-update wrapper (16 bytes) goes around a frame by the
// floor's own rule: when its own body reaches `wrapFrom` bytes, the same
// threshold as the game's presenter applies to its body (0: never).
class FloorPresenter {
  public:
    using Grid = VirtualConsole::Grid;
    static constexpr int UNKNOWN = -1;

    explicit FloorPresenter(std::size_t wrapFrom);

    std::string render(const Grid& grid);
    // The terminal's content is unknown: the next frame clears it first.
    void invalidate() { known_ = false; }
    // Takes the terminal as another presenter left it: what each cell shows,
    // the cursor (column UNKNOWN when lost) and the colour in force (a
    // console attribute, or UNKNOWN).
    void assume(const Grid& shown, int column, int row, int colour);
    // Frames whose bytes came out other than the programme counted (none,
    // unless the model is broken).
    int mismatches() const { return mismatches_; }

  private:
    struct Node;
    enum class Edge : std::uint8_t;
    void plan(const Grid& want);
    std::string emit(const Grid& want);
    void relax(int node, int cost, int from, Edge edge, int count);
    int nextNeed(int at, int layer) const;
    void moveEdges(int node, int handled, int cursor, int layer, int colour, int cost, Edge edge,
                   int count);

    FloorMoves moves_;
    std::size_t wrapFrom_;
    Grid shown_;
    bool known_ = false;
    int cursor_ = UNKNOWN;  // cell index
    int colour_ = UNKNOWN;
    // The programme's state, kept between frames to save allocations.
    std::vector<int> cost_;
    std::vector<int> from_;
    std::vector<Edge> edge_;
    std::vector<std::uint8_t> count_;
    std::vector<int> touched_;
    std::vector<std::uint64_t> live_;  // per cell index, which nodes are reached
    std::vector<int> nextChanged_;
    std::vector<int> nextInked_;
    std::vector<int> blanksFrom_;  // where the blanks just before each cell start
    std::vector<bool> changed_;
    int best_ = 0;
    int mismatches_ = 0;
};
