#include "game/loader_reports.h"

#include <algorithm>
#include <string>
#include <vector>

#include "console/console_output.h"
#include "data/missing_file.h"
#include "platform/virtual_console.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;

// A report takes one cell a byte, as writeRaw shows it.
int rowsOf(const std::string& report) {
    return (static_cast<int>(report.size()) + COLUMNS - 1) / COLUMNS;
}

void putOnTheBottomRows(VirtualConsole& console, const std::vector<std::string>& reports) {
    int rows = 0;
    for (const std::string& report : reports) {
        rows += rowsOf(report);
    }
    int row = std::max(0, ROWS - rows);
    for (const std::string& report : reports) {
        if (row >= ROWS) {
            return;
        }
        // The title's rest of the row would run on after the report.
        console.moveCursor(0, row);
        for (int i = 0; i < rowsOf(report) * COLUMNS; ++i) {
            console.put(U' ');
        }
        console.moveCursor(0, row);
        writeRaw("%s", report.c_str());
        row += rowsOf(report);
    }
}

}  // namespace

bool loadShowingReports(VirtualConsole& console, void (*load)()) {
    takeMissingFileReports();  // the title's own report is on view already
    const int start = console.cursorRow() * COLUMNS + console.cursorColumn();
    load();
    const std::vector<std::string> reports = takeMissingFileReports();
    if (reports.empty()) {
        return false;
    }
    // The loaders wrote their reports at the cursor. Where they ran past the
    // last row, everything they wrote lies on the rows laid out again here.
    std::size_t cells = 0;
    for (const std::string& report : reports) {
        cells += report.size();
    }
    if (start + cells > std::size_t(COLUMNS * ROWS)) {
        putOnTheBottomRows(console, reports);
    }
    return true;
}
