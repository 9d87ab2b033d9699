#pragma once

#include <string>

#include "platform/virtual_console.h"

// The simplest correct way to show a grid: every frame clears the terminal
// and writes all 80x49 cells row by row, with a colour change wherever the
// colour differs from the cell before. The yardstick the diffing presenter
// is measured against in the benchmark.
class NaivePresenter {
  public:
    std::string render(const VirtualConsole::Grid& grid) const;
};
