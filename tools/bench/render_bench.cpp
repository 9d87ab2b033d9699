// Replays the frames of a whole recorded game through three presenters (ours,
// a naive full redraw, ncurses) into counting sinks and prints, side by side,
// the bytes and write calls each needs per frame and the CPU time each takes;
// then ours against the byte floor, frame by frame, the CPU time of the
// whole frame loop per frame and the cost of the smallest change, a menu
// move, each against its target. Ours counts as for a terminal that keeps
// synchronized updates whole (it wraps the frames large enough to tear).
// Run it from the assets folder (`make bench` does); Google Benchmark's
// flags such as --benchmark_min_time apply to the timings.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "byte_breakdown.h"
#include "counting_sink.h"
#include "curses_presenter.h"
#include "floor_presenter.h"
#include "floor_report.h"
#include "frame_recorder.h"
#include "game/game_loop.h"
#include "naive_presenter.h"
#include "platform/key_codes.h"
#include "platform/xterm/terminal_presenter.h"

namespace {

using Grid = VirtualConsole::Grid;

// The targets the presenter is held to.
constexpr double MAX_SHARE_OF_CURSES = 0.84;  // below this
constexpr double MAX_SHARE_OF_NAIVE = 0.10;
constexpr double MAX_OVER_FLOOR = 1.030;
// No frame over this many times its floor and a few bytes.
constexpr double MAX_FRAME_OVER_FLOOR = 1.5;
constexpr std::size_t FRAME_SLACK_BYTES = 16;
constexpr double MAX_MENU_MOVE_OVERHEAD = 1.15;
constexpr double MAX_LOOP_MICROSECONDS = 50.0;

struct FrameCounts {
    std::vector<std::size_t> bytes;
    std::vector<std::size_t> writes;
    std::size_t startupBytes = 0;
    ByteBreakdown breakdown;

    void add(std::size_t frameBytes, std::size_t frameWrites) {
        bytes.push_back(frameBytes);
        writes.push_back(frameWrites);
    }
    std::size_t totalBytes() const {
        std::size_t total = 0;
        for (std::size_t b : bytes) {
            total += b;
        }
        return total;
    }
    std::size_t totalWrites() const {
        std::size_t total = 0;
        for (std::size_t w : writes) {
            total += w;
        }
        return total;
    }
};

std::size_t percentile(std::vector<std::size_t> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t index = static_cast<std::size_t>(share * double(values.size() - 1) + 0.5);
    return values[index];
}

// Ours: one write per frame that needs any bytes.
std::size_t presentOurs(TerminalPresenter& presenter, const Grid& grid, CountingSink& sink) {
    const std::string bytes = presenter.render(grid);
    if (!bytes.empty()) {
        sink.write(bytes.data(), bytes.size());
    }
    return bytes.size();
}

TerminalPresenter oursWithSynchronizedUpdate() {
    TerminalPresenter presenter;
    presenter.setSynchronizedUpdate(true);
    return presenter;
}

// Ours and the naive redraw: one write per frame that needs any bytes.
template <typename Presenter>
FrameCounts countWith(Presenter presenter, const std::vector<Grid>& frames) {
    FrameCounts counts;
    for (const Grid& grid : frames) {
        CountingSink sink;
        const std::string bytes = presenter.render(grid);
        if (!bytes.empty()) {
            sink.write(bytes.data(), bytes.size());
        }
        counts.add(sink.bytes(), sink.writes());
        counts.breakdown.add(bytes);
    }
    return counts;
}

FrameCounts countCurses(const std::vector<Grid>& frames) {
    FrameCounts counts;
    CursesPresenter presenter;
    counts.startupBytes = presenter.startup().bytes;
    presenter.keepBytes(true);
    for (const Grid& grid : frames) {
        const CursesPresenter::Output output = presenter.render(grid);
        counts.add(output.bytes, output.writes);
        counts.breakdown.add(presenter.lastBytes());
    }
    return counts;
}

// Presents each frame of a game through our presenter into a counting
// sink, as TerminalIo does, while the automatic player plays it.
class PresentingIo : public GameIo {
  public:
    explicit PresentingIo(bool render)
        : player_(AutoPlayer::Style::Careful),
          presenter_(oursWithSynchronizedUpdate()),
          render_(render) {}
    void present(const VirtualConsole& console) override {
        ++frames_;
        if (render_) {
            presentOurs(presenter_, console.grid(), sink_);
        }
        player_.present(console);
    }
    int readKey() override { return player_.readKey(); }
    std::size_t frames() const { return frames_; }

  private:
    AutoPlayer player_;
    TerminalPresenter presenter_;
    CountingSink sink_;
    bool render_;
    std::size_t frames_ = 0;
};

// Keeps the CPU time per iteration of every benchmark run, by name.
class Collector : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.iterations > 0) {
                cpuSeconds[run.benchmark_name()] =
                    run.cpu_accumulated_time / double(run.iterations);
            }
        }
    }
    std::map<std::string, double> cpuSeconds;
};

const char* verdict(bool pass) {
    return pass ? "PASS" : "FAIL";
}

int utf8Length(char32_t ch) {
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

}  // namespace

static int run(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);

    const Playthrough game = recordPlaythrough();
    const std::vector<Grid>& frames = game.frames;
    if (game.outcome != AutoPlayer::Outcome::Victory || frames.size() < 300) {
        std::fprintf(stderr,
                     "render-bench: the recorded game did not reach the victory (%zu frames); "
                     "run it from the assets folder\n",
                     frames.size());
        return 1;
    }
    const double frameCount = double(frames.size());

    // Bytes and write calls, one pass each.
    const FrameCounts ours = countWith(oursWithSynchronizedUpdate(), frames);
    const FrameCounts naive = countWith(NaivePresenter(), frames);
    const FloorComparison floor = compareWithFloor(frames, game.screens);
    const FrameCounts curses = countCurses(frames);

    // CPU time.
    benchmark::RegisterBenchmark("ours", [&](benchmark::State& state) {
        for (auto _ : state) {
            TerminalPresenter presenter = oursWithSynchronizedUpdate();
            CountingSink sink;
            for (const Grid& grid : frames) {
                presentOurs(presenter, grid, sink);
            }
            benchmark::DoNotOptimize(sink.bytes());
        }
    });
    benchmark::RegisterBenchmark("naive", [&](benchmark::State& state) {
        const NaivePresenter presenter;
        for (auto _ : state) {
            CountingSink sink;
            for (const Grid& grid : frames) {
                const std::string bytes = presenter.render(grid);
                sink.write(bytes.data(), bytes.size());
            }
            benchmark::DoNotOptimize(sink.bytes());
        }
    });
    benchmark::RegisterBenchmark("ncurses", [&](benchmark::State& state) {
        CursesPresenter presenter;
        for (auto _ : state) {
            for (const Grid& grid : frames) {
                benchmark::DoNotOptimize(presenter.render(grid));
            }
        }
    });
    std::size_t loopFrames = 0;
    benchmark::RegisterBenchmark("loop", [&](benchmark::State& state) {
        for (auto _ : state) {
            PresentingIo io(true);
            runGame(io, PLAYTHROUGH_SEED);
            loopFrames = io.frames();
        }
    });
    std::size_t bareLoopFrames = 0;
    benchmark::RegisterBenchmark("loop without presenting", [&](benchmark::State& state) {
        for (auto _ : state) {
            PresentingIo io(false);
            runGame(io, PLAYTHROUGH_SEED);
            bareLoopFrames = io.frames();
        }
    });
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    auto microsPerFrame = [&](const std::string& name, double perIteration) {
        const auto found = collector.cpuSeconds.find(name);
        return found == collector.cpuSeconds.end() || perIteration == 0
                   ? 0.0
                   : found->second * 1e6 / perIteration;
    };

    std::printf("Rendering %zu frames of a whole game (seed %u, careful player, %d fights)\n\n",
                frames.size(), PLAYTHROUGH_SEED, game.fights);
    std::printf("%-10s %12s %10s %10s %10s %13s %12s\n", "presenter", "total bytes", "median/fr",
                "p95/fr", "max/fr", "writes/frame", "CPU us/fr");
    auto row = [&](const char* name, const FrameCounts& counts) {
        std::printf("%-10s %12zu %10zu %10zu %10zu %13.2f %12.2f\n", name, counts.totalBytes(),
                    percentile(counts.bytes, 0.5), percentile(counts.bytes, 0.95),
                    percentile(counts.bytes, 1.0), double(counts.totalWrites()) / frameCount,
                    microsPerFrame(name, frameCount));
    };
    row("ours", ours);
    row("naive", naive);
    row("ncurses", curses);
    std::printf("(ncurses' start-up, %zu bytes, is left out)\n\n", curses.startupBytes);

    std::printf("%-10s %10s %10s %10s %10s %10s %10s\n", "bytes on", "text", "moves", "colours",
                "erases", "wrapper", "other");
    auto spent = [](const char* name, const ByteBreakdown& b) {
        std::printf("%-10s %10zu %10zu %10zu %10zu %10zu %10zu\n", name, b.text, b.moves, b.colours,
                    b.erases, b.wrapper, b.other);
    };
    spent("ours", ours.breakdown);
    spent("floor", floor.floorParts);
    spent("naive", naive.breakdown);
    spent("ncurses", curses.breakdown);
    std::printf("\n");
    printFloorComparison(floor);

    const double toCurses = double(ours.totalBytes()) / double(curses.totalBytes());
    const double toNaive = double(ours.totalBytes()) / double(naive.totalBytes());
    std::printf("bytes ours/ncurses  %.3f\n", toCurses);
    std::printf("bytes ours/naive    %.3f\n", toNaive);
    std::printf("CPU   ours/ncurses  %.3f\n",
                microsPerFrame("ours", frameCount) / microsPerFrame("ncurses", frameCount));
    std::printf("CPU   ours/naive    %.3f\n\n",
                microsPerFrame("ours", frameCount) / microsPerFrame("naive", frameCount));

    // One write for a frame that changed anything, none for one that did not.
    std::size_t changed = 0;
    std::size_t unchanged = 0;
    std::size_t afterPrefix = 0;
    std::size_t wrongWrites = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const bool changes = i == 0 || frames[i] != frames[i - 1];
        changes ? ++changed : ++unchanged;
        afterPrefix += !changes && game.keys[i - 1] == KEY_ARROW_PREFIX;
        wrongWrites += ours.writes[i] != (changes ? 1u : 0u);
    }
    std::printf(
        "frames that changed %zu, unchanged %zu (%zu of them after an arrow's prefix byte)\n",
        changed, unchanged, afterPrefix);

    const double loopMicros = microsPerFrame("loop", double(loopFrames));
    const double bareMicros = microsPerFrame("loop without presenting", double(bareLoopFrames));
    std::printf(
        "whole frame loop (loop, screen, panel, present): %.2f us/frame over %zu frames "
        "(%.2f us without presenting)\n",
        loopMicros, loopFrames, bareMicros);

    // The dying stranger's first Down.
    const std::vector<Grid> opening = recordStrangerMenuMove();
    TerminalPresenter presenter = oursWithSynchronizedUpdate();
    std::string moveOutput;
    for (const Grid& grid : opening) {
        moveOutput = presenter.render(grid);
    }
    ByteBreakdown move;
    move.add(moveOutput);
    const std::size_t moveBytes = moveOutput.size();
    const Grid& before = opening[opening.size() - 2];
    const Grid& after = opening.back();
    // The estimate: each changed line's text from its first to its last
    // changed cell, with an absolute move to it and its colour.
    std::size_t cellBytes = 0;
    std::size_t cells = 0;
    std::size_t estimateBytes = 0;
    for (int line = 0; line < VirtualConsole::ROWS; ++line) {
        int first = -1;
        int last = -1;
        for (int column = 0; column < VirtualConsole::COLUMNS; ++column) {
            const std::size_t i = std::size_t(line * VirtualConsole::COLUMNS + column);
            if (after[i] != before[i] && (after[i].ch != U' ' || before[i].ch != U' ')) {
                first = first < 0 ? column : first;
                last = column;
            }
        }
        if (first < 0) {
            continue;
        }
        for (int column = first; column <= last; ++column) {
            const std::size_t i = std::size_t(line * VirtualConsole::COLUMNS + column);
            cellBytes += static_cast<std::size_t>(utf8Length(after[i].ch));
            ++cells;
        }
        estimateBytes += std::to_string(line + 1).size() + std::to_string(first + 1).size() + 4;
        estimateBytes += TerminalPresenter::colourSequence(
                             after[std::size_t(line * VirtualConsole::COLUMNS + first)].colour)
                             .size();
    }
    estimateBytes += cellBytes;
    std::size_t cursesMoveBytes = 0;
    {
        CursesPresenter reference;
        for (const Grid& grid : opening) {
            cursesMoveBytes = reference.render(grid).bytes;
        }
    }
    std::size_t floorMoveBytes = 0;
    {
        FloorPresenter floorPresenter(TerminalPresenter::TEARING_BYTES);
        for (const Grid& grid : opening) {
            floorMoveBytes = floorPresenter.render(grid).size();
        }
    }
    auto overEstimate = [&](std::size_t bytes) {
        return estimateBytes == 0 ? 0.0 : double(bytes) / double(estimateBytes);
    };
    const double moveRatio = overEstimate(moveBytes);
    std::printf(
        "menu move (the stranger's first Down): %zu cells on the changed lines, %zu bytes of "
        "text,\n"
        "  %zu bytes with an absolute move and a colour for each line (the estimate), %zu at "
        "the byte floor\n"
        "  ours %zu bytes = %.2fx the estimate (text %zu, moves %zu, colours %zu, update wrapper "
        "%zu); ncurses %zu bytes = %.2fx\n\n",
        cells, cellBytes, estimateBytes, floorMoveBytes, moveBytes, moveRatio, move.text,
        move.moves, move.colours, move.wrapper, cursesMoveBytes, overEstimate(cursesMoveBytes));

    std::size_t overFrameLimit = 0;
    const FloorFrame* worstFrame = nullptr;
    for (const FloorFrame& f : floor.frames) {
        const double limit = MAX_FRAME_OVER_FLOOR * double(f.floor) + double(FRAME_SLACK_BYTES);
        overFrameLimit += double(f.ours) > limit;
        if (worstFrame == nullptr || f.ours * worstFrame->floor > worstFrame->ours * f.floor) {
            worstFrame = &f;
        }
    }
    const double toFloor = double(floor.oursTotal) / double(floor.floorTotal);
    std::printf("%s  bytes ours / floor <= %.3f (%.3f)\n", verdict(toFloor <= MAX_OVER_FLOOR),
                MAX_OVER_FLOOR, toFloor);
    std::printf(
        "%s  every frame <= %.1fx its floor + %zu bytes (%zu frames over; worst frame %zu: "
        "%zu of %zu bytes)\n",
        verdict(overFrameLimit == 0), MAX_FRAME_OVER_FLOOR, FRAME_SLACK_BYTES, overFrameLimit,
        worstFrame ? worstFrame->index : 0, worstFrame ? worstFrame->ours : 0,
        worstFrame ? worstFrame->floor : 0);
    std::printf(
        "%s  the floor is a floor: never above ours from the same start (%zu frames), "
        "every frame shown exactly on the terminal model (%zu failures%s%s)\n",
        verdict(floor.floorAboveOurs == 0 && floor.replayFailures == 0), floor.floorAboveOurs,
        floor.replayFailures, floor.replayFailures ? ": " : "", floor.firstFailure.c_str());
    std::printf("%s  bytes ours / ncurses < %.2f (%.3f)\n", verdict(toCurses < MAX_SHARE_OF_CURSES),
                MAX_SHARE_OF_CURSES, toCurses);
    std::printf("%s  bytes ours <= 10%% of naive (%.1f%%)\n",
                verdict(toNaive <= MAX_SHARE_OF_NAIVE), 100.0 * toNaive);
    std::printf("%s  one write per changed frame, none per unchanged (%zu frames wrong)\n",
                verdict(wrongWrites == 0), wrongWrites);
    std::printf("%s  menu move <= %.2fx the bytes of its changed cells (%.2fx)\n",
                verdict(moveRatio <= MAX_MENU_MOVE_OVERHEAD), MAX_MENU_MOVE_OVERHEAD, moveRatio);
    std::printf("%s  whole loop < %.0f us per frame (%.2f us)\n",
                verdict(loopMicros > 0 && loopMicros < MAX_LOOP_MICROSECONDS),
                MAX_LOOP_MICROSECONDS, loopMicros);
    return 0;
}

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "render-bench: %s\n", error.what());
        return 1;
    }
}
