#include "game/loader_reports.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "console/console_output.h"
#include "platform/virtual_console.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
// Every report begins so ("File %s not found").
constexpr char32_t REPORT_START[] = U"File ";
constexpr std::size_t REPORT_START_LENGTH = sizeof REPORT_START / sizeof REPORT_START[0] - 1;

using Cells = std::vector<VirtualConsole::Cell>;

// What the loaders wrote, from the top left corner of their own console.
Cells written(const VirtualConsole& scratch) {
    const auto& grid = scratch.grid();
    const int end =
        std::min(scratch.cursorRow() * COLUMNS + scratch.cursorColumn(), COLUMNS * ROWS);
    return Cells(grid.begin(), grid.begin() + end);
}

void put(VirtualConsole& console, const Cells& cells) {
    const std::uint8_t colour = console.colour();
    for (const VirtualConsole::Cell& cell : cells) {
        console.setColour(cell.colour);
        console.put(cell.ch);
    }
    console.setColour(colour);
}

bool startsReport(const Cells& cells, std::size_t at) {
    if (cells.size() - at < REPORT_START_LENGTH) {
        return false;
    }
    for (std::size_t i = 0; i < REPORT_START_LENGTH; ++i) {
        if (cells[at + i].ch != REPORT_START[i]) {
            return false;
        }
    }
    return true;
}

std::vector<Cells> eachReport(const Cells& cells) {
    std::vector<Cells> reports;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (reports.empty() || startsReport(cells, i)) {
            reports.emplace_back();
        }
        reports.back().push_back(cells[i]);
    }
    return reports;
}

int rowsOf(const Cells& report) {
    return (static_cast<int>(report.size()) + COLUMNS - 1) / COLUMNS;
}

void putOnTheBottomRows(VirtualConsole& console, const Cells& cells) {
    const std::vector<Cells> reports = eachReport(cells);
    int rows = 0;
    for (const Cells& report : reports) {
        rows += rowsOf(report);
    }
    int row = std::max(0, ROWS - rows);
    for (const Cells& report : reports) {
        if (row >= ROWS) {
            return;
        }
        // The title's rest of the row would run on after the report.
        console.moveCursor(0, row);
        put(console, Cells(std::size_t(rowsOf(report) * COLUMNS), {U' ', console.colour()}));
        console.moveCursor(0, row);
        put(console, report);
        row += rowsOf(report);
    }
}

}  // namespace

bool loadShowingReports(VirtualConsole& console, void (*load)()) {
    // On the heap: a console is some 31 KB, too much for a small stack.
    const auto scratch = std::make_unique<VirtualConsole>();
    scratch->setColour(console.colour());
    VirtualConsole* const previous = g_console;
    g_console = scratch.get();
    load();
    g_console = previous;

    const Cells reports = written(*scratch);
    if (reports.empty()) {
        return false;
    }
    const int start = console.cursorRow() * COLUMNS + console.cursorColumn();
    if (start + static_cast<int>(reports.size()) <= COLUMNS * ROWS) {
        put(console, reports);
    } else {
        putOnTheBottomRows(console, reports);
    }
    return true;
}
