#pragma once

#include <cstddef>
#include <string>

// Sorts a presenter's output into what its bytes are spent on: the text of
// the cells, cursor moves, colour changes, erasing, and the synchronized
// update wrapper. Used by the benchmark to show where the bytes go.
struct ByteBreakdown {
    std::size_t text = 0;
    std::size_t moves = 0;
    std::size_t colours = 0;
    std::size_t erases = 0;
    std::size_t wrapper = 0;
    std::size_t other = 0;

    void add(const std::string& bytes);
};
