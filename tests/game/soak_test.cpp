// Random keys through the real frame loop with every frame checked (the
// long run is tools/soak); and proof that the checks see a broken frame.
#include "console/colours.h"
#include "core/hero.h"
#include "frame_invariants.h"
#include "soak_run.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

TEST(Soak, RandomKeysNeverBreakAFrame) {
    WorkingDirectory assets(assetsDir());
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SoakOptions options;
        options.bytes = 35000;
        options.seed = seed;
        const SoakReport report = runSoak(options);
        EXPECT_TRUE(report.ok()) << "seed " << seed << "\n" << describe(report);
        EXPECT_EQ(report.bytesUsed, options.bytes);
        // Nearly every key shows a frame of play, across many games and fights.
        EXPECT_GT(report.framesChecked, options.bytes * 9 / 10);
        EXPECT_GT(report.games, 5u);
        EXPECT_GT(report.fights, 50u);
    }
}

TEST(Soak, TheChecksSeeABrokenFrame) {
    // The first page of the story, as the game shows it.
    const GameResult game = playGame("t");
    const RecordedFrame& page = game.frames.at(1);
    ASSERT_TRUE(checkPlayFrame(page.grid, page.screen, page.hero).empty());

    auto problemsWith = [&](const std::function<void(Grid&, Hero&)>& breakIt) {
        Grid grid = page.grid;
        Hero hero = page.hero;
        breakIt(grid, hero);
        return checkPlayFrame(grid, page.screen, hero).size();
    };
    auto cell = [](Grid& grid, int column, int row) -> VirtualConsole::Cell& {
        return grid[row * VirtualConsole::COLUMNS + column];
    };
    EXPECT_EQ(problemsWith([&](Grid& g, Hero&) { cell(g, 40, 0).ch = U' '; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, Hero&) { cell(g, 79, 20).ch = U'x'; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, Hero&) { cell(g, 8, 17).ch = U'x'; }), 1u);
    EXPECT_EQ(problemsWith([](Grid&, Hero& h) { h.hp = 7; }), 1u);
    EXPECT_EQ(problemsWith([](Grid&, Hero& h) { h.money = -1; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, Hero&) { cell(g, 32, 36).colour = COLOUR_GREY; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, Hero&) { cell(g, 32, 36).ch = U'2'; }), 1u);
    EXPECT_EQ(checkPlayFrame(page.grid, SCREEN_QUIT, page.hero).size(), 1u);

    // A second choice, highlighted too.
    Grid two = page.grid;
    const std::u32string second = U"2 - Ещё";
    for (std::size_t i = 0; i < second.size(); ++i) {
        cell(two, 32 + static_cast<int>(i), 38) = {second[i], COLOUR_GREEN};
    }
    EXPECT_EQ(readMenu(two).count, 2);
    EXPECT_EQ(readMenu(two).highlighted, -2);
    EXPECT_EQ(checkPlayFrame(two, page.screen, page.hero).size(), 1u);
}

}  // namespace
