#include "floor_report.h"

#include <algorithm>
#include <cstdio>

#include "floor_presenter.h"
#include "platform/glyphs.h"
#include "platform/xterm/terminal_presenter.h"
#include "support/terminal_model.h"

namespace {

using Grid = VirtualConsole::Grid;
using Cell = VirtualConsole::Cell;
constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
constexpr int BLACK = 0;
constexpr std::size_t WORST = 10;
// A character no grid holds: a cell the game's grids cannot describe.
constexpr char32_t FOREIGN = 0xFFFF;

// Console attribute bits (blue 1, green 2, red 4) and ANSI colour numbers
// (red 1, green 2, blue 4) are each other's mirror.
int swapRedBlue(int colour) {
    return ((colour & 1) << 2) | (colour & 2) | ((colour & 4) >> 2) | (colour & 8);
}

// What the terminal shows, as a grid: a blank is any blank on black.
Grid shownBy(const TerminalModel& terminal) {
    Grid grid;
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const TerminalModel::Cell& cell = terminal.cell(column, row);
            Cell& shown = grid[std::size_t(row * COLUMNS + column)];
            if (cell.background != BLACK) {
                shown = Cell{FOREIGN, 7};
            } else if (cell.ch == U' ') {
                shown = Cell{U' ', 7};
            } else {
                shown = Cell{cell.ch, std::uint8_t(swapRedBlue(std::max(cell.foreground, 0)))};
            }
        }
    }
    return grid;
}

bool shows(const TerminalModel& terminal, const Grid& want) {
    const Grid shown = shownBy(terminal);
    for (std::size_t i = 0; i < want.size(); ++i) {
        const char32_t glyph = glyphOf(want[i].ch);
        if (shown[i].ch != glyph || (glyph != U' ' && shown[i].colour != want[i].colour)) {
            return false;
        }
    }
    return true;
}

TerminalModel::Options strictTerminal() {
    TerminalModel::Options options;
    options.cursorLostAtLastColumn = true;
    options.lineFeedReturns = true;
    return options;
}

// Applies one frame's bytes and checks the result; the failure is kept.
void replay(TerminalModel& terminal, const std::string& bytes, const Grid& want, std::size_t frame,
            const char* who, FloorComparison& comparison) {
    std::string failure;
    if (!terminal.apply(bytes)) {
        failure = terminal.error();
    } else if (!shows(terminal, want)) {
        failure = "the frame is not shown exactly";
    }
    if (!failure.empty() && comparison.replayFailures++ == 0) {
        comparison.firstFailure =
            std::string(who) + ", frame " + std::to_string(frame) + ": " + failure;
    }
}

bool wrapped(const std::string& bytes) {
    return bytes.rfind("\x1b[?2026h", 0) == 0;
}

void printFrames(const char* title, std::vector<FloorFrame> frames,
                 bool (*worse)(const FloorFrame&, const FloorFrame&)) {
    std::sort(frames.begin(), frames.end(), worse);
    frames.resize(std::min(frames.size(), WORST));
    std::printf("%s\n", title);
    std::printf("%7s %6s %6s %6s %6s %7s | %8s %6s %6s %6s %7s\n", "frame", "screen", "ours",
                "floor", "ratio", "excess", "wrapper", "moves", "text", "erases", "colours");
    for (const FloorFrame& f : frames) {
        auto over = [](std::size_t ours, std::size_t floor) { return long(ours) - long(floor); };
        std::printf(
            "%7zu %6d %6zu %6zu %6.2f %7ld | %8ld %6ld %6ld %6ld %7ld\n", f.index, int(f.screen),
            f.ours, f.floor, f.floor == 0 ? 0.0 : double(f.ours) / double(f.floor),
            over(f.ours, f.floor), over(f.oursParts.wrapper, f.floorParts.wrapper),
            over(f.oursParts.moves, f.floorParts.moves), over(f.oursParts.text, f.floorParts.text),
            over(f.oursParts.erases, f.floorParts.erases),
            over(f.oursParts.colours, f.floorParts.colours));
    }
}

}  // namespace

FloorComparison compareWithFloor(const std::vector<Grid>& frames,
                                 const std::vector<ScreenId>& screens) {
    FloorComparison comparison;
    const std::size_t wrapFrom = TerminalPresenter::TEARING_BYTES;
    TerminalPresenter ours;
    ours.setSynchronizedUpdate(true);
    TerminalModel oursShown(COLUMNS, ROWS, strictTerminal());
    FloorPresenter sameStart(wrapFrom);
    FloorPresenter alone(wrapFrom);
    TerminalModel aloneShown(COLUMNS, ROWS, strictTerminal());
    TerminalModel aloneOnXterm(COLUMNS, ROWS);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const Grid& grid = frames[i];

        // The floor alone, over the whole game.
        const std::string floorBytes = alone.render(grid);
        comparison.floorTotal += floorBytes.size();
        comparison.floorWrapped += wrapped(floorBytes);
        comparison.floorParts.add(floorBytes);
        replay(aloneShown, floorBytes, grid, i, "the floor", comparison);
        replay(aloneOnXterm, floorBytes, grid, i, "the floor on xterm", comparison);

        // The floor from where ours starts this frame, then ours.
        if (i == 0) {
            sameStart.invalidate();
        } else {
            const int colour = oursShown.foreground();
            sameStart.assume(
                shownBy(oursShown),
                oursShown.cursorLost() ? FloorPresenter::UNKNOWN : oursShown.cursorColumn(),
                oursShown.cursorRow(), colour < 0 ? FloorPresenter::UNKNOWN : swapRedBlue(colour));
        }
        TerminalModel fromSameStart = oursShown;
        const std::string floorHere = sameStart.render(grid);
        replay(fromSameStart, floorHere, grid, i, "the floor from our start", comparison);
        const std::string oursBytes = ours.render(grid);
        replay(oursShown, oursBytes, grid, i, "ours", comparison);
        comparison.oursTotal += oursBytes.size();
        comparison.oursWrapped += wrapped(oursBytes);
        if (oursBytes.empty() && floorHere.empty()) {
            continue;
        }
        FloorFrame frame;
        frame.index = i;
        frame.screen = i < screens.size() ? screens[i] : 0;
        frame.ours = oursBytes.size();
        frame.floor = floorHere.size();
        frame.oursParts.add(oursBytes);
        frame.floorParts.add(floorHere);
        if (frame.floor > frame.ours && comparison.floorAboveOurs++ == 0) {
            comparison.firstFloorAboveOurs = i;
        }
        comparison.frames.push_back(frame);
    }
    if (alone.mismatches() + sameStart.mismatches() > 0 && comparison.replayFailures++ == 0) {
        comparison.firstFailure = "the floor's bytes differ from what it counted";
    }
    return comparison;
}

void printFloorComparison(const FloorComparison& c) {
    std::printf(
        "bytes: ours / floor = %.3f (ours %zu, floor %zu; synchronized update from %zu bytes on, "
        "on %zu and %zu frames)\n",
        double(c.oursTotal) / double(c.floorTotal), c.oursTotal, c.floorTotal,
        TerminalPresenter::TEARING_BYTES, c.oursWrapped, c.floorWrapped);
    ByteBreakdown ours;
    ByteBreakdown floor;
    for (const FloorFrame& f : c.frames) {
        for (auto [total, part] :
             {std::pair{&ours, &f.oursParts}, std::pair{&floor, &f.floorParts}}) {
            total->wrapper += part->wrapper;
            total->moves += part->moves;
            total->text += part->text;
            total->erases += part->erases;
            total->colours += part->colours;
            total->other += part->other;
        }
    }
    auto over = [](std::size_t a, std::size_t b) { return long(a) - long(b); };
    std::printf(
        "excess over the floor, each frame from the state ours left the terminal in: wrapper %ld, "
        "moves %ld, text %ld, erases %ld, colours %ld\n",
        over(ours.wrapper, floor.wrapper), over(ours.moves, floor.moves),
        over(ours.text, floor.text), over(ours.erases, floor.erases),
        over(ours.colours, floor.colours));
    std::size_t sizes[7] = {};
    for (const FloorFrame& f : c.frames) {
        std::size_t bucket = 0;
        while (bucket < 6 && f.ours >= (std::size_t(64) << bucket)) {
            ++bucket;
        }
        ++sizes[bucket];
    }
    std::printf("changed frames by our bytes:");
    for (std::size_t b = 0; b < 7; ++b) {
        std::printf(" %s%zu: %zu", b == 6 ? ">=" : "<", std::size_t(64) << (b == 6 ? 5 : b),
                    sizes[b]);
    }
    std::printf("\n\n");
    printFrames("worst frames by ratio", c.frames, [](const FloorFrame& a, const FloorFrame& b) {
        return a.ours * b.floor > b.ours * a.floor;
    });
    std::printf("\n");
    printFrames("worst frames by excess", c.frames, [](const FloorFrame& a, const FloorFrame& b) {
        return long(a.ours) - long(a.floor) > long(b.ours) - long(b.floor);
    });
    std::printf("\n");
}
