// The presenter's bytes, applied to a model of the terminal, must leave on
// screen exactly the grid the game drew: every frame of a whole recorded
// game, and the corners a game rarely reaches (the last column, long blank
// runs, an emptied screen, a terminal that shows something else entirely).
// Where a frame's cheapest bytes are plain to see, it must find them.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>

#include "core/screen_ids.h"
#include "frame_recorder.h"
#include "platform/glyphs.h"
#include "platform/key_codes.h"
#include "platform/xterm/terminal_presenter.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/shown_cell.h"
#include "support/terminal_model.h"

namespace {

const std::string BEGIN_UPDATE = "\x1b[?2026h";
const std::string END_UPDATE = "\x1b[?2026l";

std::string modelRow(const TerminalModel& terminal, int row) {
    std::u32string text;
    for (int column = 0; column < COLUMNS; ++column) {
        text += terminal.cell(column, row).ch;
    }
    return toUtf8(text);
}

// Every cell as the player would see it: the character in its colour, on
// black; a blank only needs to be blank on black.
::testing::AssertionResult showsGrid(const TerminalModel& terminal, const Grid& grid) {
    int wrong = 0;
    std::string report;
    std::set<int> rows;
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const VirtualConsole::Cell& want = grid[row * COLUMNS + column];
            const TerminalModel::Cell& got = terminal.cell(column, row);
            const char32_t glyph = glyphOf(want.ch);
            if (!showsCell(got, want) && ++wrong <= 5) {
                rows.insert(row);
                report += "  column " + std::to_string(column) + ", row " + std::to_string(row) +
                          ": want '" + toUtf8(std::u32string(1, glyph)) + "' colour " +
                          std::to_string(ansiColour(want.colour)) + ", shown '" +
                          toUtf8(std::u32string(1, got.ch)) + "' colour " +
                          std::to_string(got.foreground) + " on " + std::to_string(got.background) +
                          "\n";
            }
        }
    }
    if (wrong == 0) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << wrong << " cells wrong\n" << report;
    for (int row : rows) {
        failure << "  row " << row << " want  |" << textAt(grid, 0, row, COLUMNS) << "|\n"
                << "  row " << row << " shown |" << modelRow(terminal, row) << "|\n";
    }
    return failure;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// Renders the grid onto the terminal: nothing at all, or bytes that leave the
// grid on screen. A frame large enough to tear comes in one synchronized
// update when the terminal keeps one whole; no other frame does.
::testing::AssertionResult present(TerminalPresenter& presenter, TerminalModel& terminal,
                                   const Grid& grid, std::string* sent = nullptr) {
    const std::string bytes = presenter.render(grid);
    if (sent != nullptr) {
        *sent = bytes;
    }
    if (bytes.empty()) {
        return showsGrid(terminal, grid);
    }
    const bool wrapped =
        bytes.size() >= BEGIN_UPDATE.size() + END_UPDATE.size() &&
        bytes.compare(0, BEGIN_UPDATE.size(), BEGIN_UPDATE) == 0 &&
        bytes.compare(bytes.size() - END_UPDATE.size(), END_UPDATE.size(), END_UPDATE) == 0;
    const std::size_t body =
        wrapped ? bytes.size() - BEGIN_UPDATE.size() - END_UPDATE.size() : bytes.size();
    const bool tears = body >= TerminalPresenter::TEARING_BYTES;
    if (wrapped != (presenter.synchronizedUpdate() && tears)) {
        return ::testing::AssertionFailure()
               << (wrapped ? "a synchronized update" : "no synchronized update") << " around "
               << body << " bytes";
    }
    if (count(bytes, "\x1b[?2026") != (wrapped ? 2u : 0u)) {
        return ::testing::AssertionFailure() << "a synchronized update inside the frame";
    }
    if (!terminal.apply(bytes)) {
        return ::testing::AssertionFailure() << "the terminal cannot follow: " << terminal.error();
    }
    if (terminal.synchronizedUpdate()) {
        return ::testing::AssertionFailure() << "the update is left open";
    }
    return showsGrid(terminal, grid);
}

Grid blankGrid() {
    Grid grid;
    grid.fill(VirtualConsole::Cell{U' ', 7});
    return grid;
}

void put(Grid& grid, int column, int row, const std::u32string& text, std::uint8_t colour) {
    for (char32_t ch : text) {
        if (column < COLUMNS) {
            grid[row * COLUMNS + column++] = VirtualConsole::Cell{ch, colour};
        }
    }
}

// A terminal that may put the cursor anywhere after the last column, behind
// a driver that turns a line feed into CR LF.
TerminalModel::Options strictTerminal() {
    TerminalModel::Options options;
    options.cursorLostAtLastColumn = true;
    options.lineFeedReturns = true;
    return options;
}

TerminalPresenter withSynchronizedUpdate() {
    TerminalPresenter presenter;
    presenter.setSynchronizedUpdate(true);
    return presenter;
}

class PresenterReplay : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        WorkingDirectory here(assetsDir());
        game_ = new Playthrough(recordPlaythrough());
    }
    static void TearDownTestSuite() {
        delete game_;
        game_ = nullptr;
    }
    static const Playthrough* game_;
};

const Playthrough* PresenterReplay::game_ = nullptr;

TEST_F(PresenterReplay, TheRecordedGameGoesFromTheTitleToTheVictory) {
    EXPECT_EQ(game_->outcome, AutoPlayer::Outcome::Victory);
    EXPECT_GE(game_->frames.size(), 300u);
    ASSERT_EQ(game_->screens.size(), game_->frames.size());
    const std::set<ScreenId> seen(game_->screens.begin(), game_->screens.end());
    for (ScreenId screen : {SCREEN_STORY, SCREEN_STRANGER, SCREEN_TOWN, SCREEN_SHOP, SCREEN_HUNT,
                            SCREEN_BATTLE, SCREEN_SEER, SCREEN_INDIAN}) {
        EXPECT_EQ(seen.count(screen), 1u) << "screen " << screen << " never shown";
    }
}

TEST_F(PresenterReplay, EveryFrameOfAWholeGameIsShownExactly) {
    TerminalPresenter presenter = withSynchronizedUpdate();
    TerminalModel xterm(COLUMNS, ROWS);
    TerminalPresenter withoutUpdates;
    TerminalModel strict(COLUMNS, ROWS, strictTerminal());
    std::size_t wrapped = 0;
    std::size_t bare = 0;
    for (std::size_t i = 0; i < game_->frames.size(); ++i) {
        const Grid& grid = game_->frames[i];
        std::string sent;
        ASSERT_TRUE(present(presenter, xterm, grid, &sent)) << "frame " << i;
        wrapped += count(sent, BEGIN_UPDATE);
        bare += !sent.empty() && count(sent, BEGIN_UPDATE) == 0;
        ASSERT_TRUE(present(withoutUpdates, strict, grid)) << "frame " << i;
    }
    // Every change of screen is wrapped, a menu move or a fight's round not.
    EXPECT_GT(wrapped, 50u);
    EXPECT_GT(bare, 300u);
}

// The frames after the title and at the end: a new screen in full, and one
// emptied but for a few words. Neither may cost more than clearing the
// terminal and drawing the frame afresh.
TEST_F(PresenterReplay, ANewScreenCostsNoMoreThanAClearAndARedraw) {
    const std::size_t last = game_->frames.size() - 1;
    for (std::size_t frame : {std::size_t(1), last}) {
        for (const TerminalModel::Options& options : {TerminalModel::Options{}, strictTerminal()}) {
            TerminalPresenter presenter;
            TerminalModel terminal(COLUMNS, ROWS, options);
            for (std::size_t i = 0; i < frame; ++i) {
                ASSERT_TRUE(present(presenter, terminal, game_->frames[i])) << "frame " << i;
            }
            // A fresh presenter sets the frame's modes and resets the
            // colours (10 bytes more than a clear) and starts in grey; after
            // a clear the colour in force may differ (a change, 5 bytes).
            TerminalPresenter fresh;
            const std::size_t redraw = fresh.render(game_->frames[frame]).size() -
                                       std::strlen(TerminalPresenter::FRAME_MODES) - 10 + 5;
            const std::string bytes = presenter.render(game_->frames[frame]);
            EXPECT_LE(bytes.size(), redraw) << "frame " << frame;
            ASSERT_TRUE(terminal.apply(bytes)) << terminal.error();
            EXPECT_TRUE(showsGrid(terminal, game_->frames[frame])) << "frame " << frame;
        }
    }
    // The last frame leaves two short lines on an empty screen.
    TerminalPresenter presenter;
    for (std::size_t i = 0; i < last; ++i) {
        presenter.render(game_->frames[i]);
    }
    EXPECT_LE(presenter.render(game_->frames[last]).size(), 64u);
}

TEST_F(PresenterReplay, ArrowPrefixFramesSendNothingAndChangedFramesSomething) {
    TerminalPresenter presenter;
    std::size_t afterPrefix = 0;
    for (std::size_t i = 0; i < game_->frames.size(); ++i) {
        const bool unchanged = i > 0 && game_->frames[i] == game_->frames[i - 1];
        const std::string bytes = presenter.render(game_->frames[i]);
        EXPECT_EQ(bytes.empty(), unchanged) << "frame " << i;
        afterPrefix += unchanged && game_->keys[i - 1] == KEY_ARROW_PREFIX;
    }
    // Most of the unchanged frames are a menu's after an arrow's first byte.
    EXPECT_GT(afterPrefix, 100u);
}

TEST_F(PresenterReplay, AfterAnInvalidateTheFrameIsDrawnOverWhateverTheTerminalShowed) {
    TerminalPresenter presenter;
    TerminalModel terminal(COLUMNS, ROWS);
    const std::size_t middle = game_->frames.size() / 2;
    for (std::size_t i = 0; i < middle; ++i) {
        presenter.render(game_->frames[i]);
    }
    // A resume or a resize: the terminal shows something else by now.
    terminal.fill(U'#', 1, 4);
    presenter.invalidate();
    for (std::size_t i = middle; i < middle + 20; ++i) {
        ASSERT_TRUE(present(presenter, terminal, game_->frames[i])) << "frame " << i;
    }
}

// Modes an earlier program may leave behind (a crashed editor, a stray
// escape in a log): insert mode, origin mode with a scroll region, no
// autowrap, the line-drawing set shifted in. Each garbles every frame of a
// presenter that takes the terminal's defaults for granted.
const char* const LEFT_BEHIND = "\x1b[4h\x1b[5;30r\x1b[?6h\x1b[?7l\x1b)0\x0e";

TEST_F(PresenterReplay, AFrameDrawnInFullFirstSetsTheModesItReliesOn) {
    for (const TerminalModel::Options& options : {TerminalModel::Options{}, strictTerminal()}) {
        TerminalPresenter presenter;
        TerminalModel terminal(COLUMNS, ROWS, options);
        ASSERT_TRUE(terminal.apply(LEFT_BEHIND)) << terminal.error();
        for (std::size_t i = 0; i < 10; ++i) {
            ASSERT_TRUE(present(presenter, terminal, game_->frames[i])) << "frame " << i;
        }
        // The player ran something else meanwhile (the game was suspended).
        ASSERT_TRUE(terminal.apply(LEFT_BEHIND)) << terminal.error();
        terminal.fill(U'#', 1, 4);
        presenter.invalidate();
        for (std::size_t i = 10; i < 20; ++i) {
            ASSERT_TRUE(present(presenter, terminal, game_->frames[i])) << "frame " << i;
        }
    }
}

TEST(PresenterCases, NothingIsSentWhenNothingVisibleChanged) {
    TerminalPresenter presenter;
    Grid grid = blankGrid();
    put(grid, 3, 4, U"Привет", 10);
    EXPECT_FALSE(presenter.render(grid).empty());
    EXPECT_EQ(presenter.render(grid), "");
    // A blank looks the same in every text colour; so does a zero code.
    grid[0].colour = 12;
    grid[1].ch = U'\0';
    EXPECT_EQ(presenter.render(grid), "");
}

// A few cells changed at a time, each far from the last: the bytes are the
// cheapest move there and the text, whichever way the move goes.
TEST(PresenterCases, EachSmallChangeTakesTheShortestMove) {
    struct Change {
        int column;
        int row;
        std::u32string text;
        std::string bytes;
    };
    const Change changes[] = {
        {10, 2, U"ab", ""},              // the cursor ends at column 12 of row 2
        {12, 45, U"cd", "\x1b[43Bcd"},   // far below, same column: CUD, not CUP
        {0, 46, U"e", "\r\ne"},          // the next row's start: CR LF
        {30, 46, U"hi", "\x1b[29Chi"},   // along the row: CUF
        {30, 46, U"j", "\b\bj"},         // two back: backspaces
        {0, 15, U"k", "\x1b[16Hk"},      // far up to a row's start: CUP
        {0, 12, U"l", "\x1b[3Fl"},       // three rows up to the start: CPL
        {0, 17, U"m", "\x1b[5Em"},       // five rows down to the start: CNL
        {1, 2, U"n", "\x1b[3dn"},        // far up, same column: VPA
        {2, 3, U"op", "\x1b[Bop"},       // one row down: CUD
        {70, 40, U"q", "\x1b[41;71Hq"},  // far away both ways: CUP
    };
    for (const TerminalModel::Options& options : {TerminalModel::Options{}, strictTerminal()}) {
        TerminalPresenter presenter;
        TerminalModel terminal(COLUMNS, ROWS, options);
        Grid grid = blankGrid();
        ASSERT_TRUE(present(presenter, terminal, grid));
        for (const Change& change : changes) {
            put(grid, change.column, change.row, change.text, 7);
            std::string sent;
            ASSERT_TRUE(present(presenter, terminal, grid, &sent));
            if (!change.bytes.empty()) {
                EXPECT_EQ(sent, change.bytes) << toUtf8(change.text);
            }
        }
    }
}

TEST(PresenterCases, ChangesInTheLastColumnLandWhereTheyBelong) {
    for (const TerminalModel::Options& options : {TerminalModel::Options{}, strictTerminal()}) {
        TerminalPresenter presenter;
        TerminalModel terminal(COLUMNS, ROWS, options);
        Grid grid = blankGrid();
        ASSERT_TRUE(present(presenter, terminal, grid));
        for (int row = 0; row < ROWS; ++row) {
            put(grid, COLUMNS - 1, row, U"|", 7);
        }
        ASSERT_TRUE(present(presenter, terminal, grid));
        // The last column, then the start of the next row, then further on.
        put(grid, COLUMNS - 2, 10, U"Жж", 12);
        put(grid, 0, 11, U"ab", 12);
        put(grid, COLUMNS - 1, 12, U"#", 14);
        put(grid, 5, 12, U"cd", 14);
        put(grid, COLUMNS - 1, 13, U"%", 14);
        put(grid, COLUMNS - 3, 14, U"xyz", 9);
        put(grid, 40, 14, U"q", 9);
        put(grid, COLUMNS - 1, ROWS - 1, U"╝", 15);
        ASSERT_TRUE(present(presenter, terminal, grid));
        for (int row = 0; row < ROWS; ++row) {
            put(grid, COLUMNS - 1, row, U" ", 7);
        }
        ASSERT_TRUE(present(presenter, terminal, grid));
        // A frame that ends in the last column, then one drawn in full (after
        // a resume): the clear it starts with works wherever the cursor is.
        put(grid, COLUMNS - 1, ROWS - 1, U"#", 14);
        ASSERT_TRUE(present(presenter, terminal, grid));
        presenter.invalidate();
        ASSERT_TRUE(present(presenter, terminal, grid));
    }
}

TEST(PresenterCases, WideGapsBlankRunsAndAnEmptiedScreen) {
    TerminalPresenter presenter;
    TerminalModel terminal(COLUMNS, ROWS);
    Grid grid = blankGrid();
    for (int row = 0; row < ROWS; ++row) {
        put(grid, 0, row, std::u32string(COLUMNS, U'Ж'), std::uint8_t(row % 16));
    }
    ASSERT_TRUE(present(presenter, terminal, grid));
    // Far apart on one row, and on rows far apart.
    put(grid, 1, 3, U"a", 2);
    put(grid, 77, 3, U"b", 2);
    put(grid, 40, 30, U"c", 4);
    put(grid, 2, 45, U"d", 4);
    ASSERT_TRUE(present(presenter, terminal, grid));
    // Blank runs in the middle of rows, a blanked tail, a blanked rest of screen.
    put(grid, 10, 5, std::u32string(50, U' '), 7);
    put(grid, 3, 6, std::u32string(3, U' '), 7);
    put(grid, 20, 7, std::u32string(COLUMNS - 20, U' '), 7);
    for (int row = 20; row < ROWS; ++row) {
        put(grid, row == 20 ? 30 : 0, row, std::u32string(COLUMNS, U' '), 7);
    }
    ASSERT_TRUE(present(presenter, terminal, grid));
    // Text comes back over the erased places, in other colours.
    put(grid, 30, 5, U"средина", 11);
    put(grid, 79, 7, U"!", 13);
    put(grid, 0, 48, U"низ", 6);
    ASSERT_TRUE(present(presenter, terminal, grid));
}

// Random edits of every kind, frame after frame, and returns to earlier
// frames, on both kinds of terminal: the cursor moves and erases chosen must
// hold everywhere, and what the presenter believes is shown must stay true.
TEST(PresenterCases, RandomEditsAreAlwaysShownExactly) {
    const std::u32string alphabet = U"aZ5 -|.Жжщ═║╔█░☺\t\x1b";
    std::mt19937 random(2024);
    auto below = [&](int n) { return static_cast<int>(random() % unsigned(n)); };
    for (const TerminalModel::Options& options : {TerminalModel::Options{}, strictTerminal()}) {
        TerminalPresenter presenter;
        TerminalModel terminal(COLUMNS, ROWS, options);
        Grid grid = blankGrid();
        std::vector<Grid> shown;
        for (int frame = 0; frame < 600; ++frame) {
            if (frame > 5 && below(6) == 0) {
                // Back to a recent frame, as a menu or a screen returns.
                grid = shown[shown.size() - 1 - std::size_t(below(5))];
            }
            const int edits = below(7);
            for (int e = 0; e < edits; ++e) {
                const int row = below(ROWS);
                const int column = below(COLUMNS);
                const int length = 1 + below(e % 2 == 0 ? 6 : COLUMNS);
                const auto colour = static_cast<std::uint8_t>(below(16));
                switch (below(5)) {
                    case 0: {  // text
                        std::u32string text;
                        for (int k = 0; k < length; ++k) {
                            text += alphabet[std::size_t(below(int(alphabet.size())))];
                        }
                        put(grid, column, row, text, colour);
                        break;
                    }
                    case 1:
                        put(grid, column, row, std::u32string(length, U' '), colour);
                        break;
                    case 2:  // recolour
                        for (int c = column; c < COLUMNS && c < column + length; ++c) {
                            grid[row * COLUMNS + c].colour = colour;
                        }
                        break;
                    case 3:  // single cells a few apart, in their own colours
                        for (int c = column; c < COLUMNS && c < column + length;
                             c += 1 + below(5)) {
                            grid[row * COLUMNS + c] = VirtualConsole::Cell{
                                alphabet[std::size_t(below(int(alphabet.size())))],
                                static_cast<std::uint8_t>(below(16))};
                        }
                        break;
                    default:  // clear from here to the end of the screen
                        if (below(3) == 0) {
                            for (int i = row * COLUMNS + column; i < COLUMNS * ROWS; ++i) {
                                grid[std::size_t(i)] = VirtualConsole::Cell{U' ', colour};
                            }
                        }
                        break;
                }
            }
            ASSERT_TRUE(present(presenter, terminal, grid)) << "frame " << frame;
            shown.push_back(grid);
        }
    }
}

}  // namespace
