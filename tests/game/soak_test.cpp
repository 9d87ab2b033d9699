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

TEST(Soak, TheChecksSeeABrokenFrameOrUntoldNews) {
    // The first page of the story, as the game shows it.
    const GameResult game = playGame("t");
    const RecordedFrame& page = game.frames.at(1);
    ASSERT_TRUE(checkPlayFrame(page.grid, page.record, page.screen, page.hero).empty());

    auto problemsWith = [&](const std::function<void(Grid&, FrameRecord&, Hero&)>& breakIt) {
        Grid grid = page.grid;
        FrameRecord record = page.record;
        Hero hero = page.hero;
        breakIt(grid, record, hero);
        return checkPlayFrame(grid, record, page.screen, hero).size();
    };
    auto cell = [](Grid& grid, int column, int row) -> VirtualConsole::Cell& {
        return grid[row * VirtualConsole::COLUMNS + column];
    };
    EXPECT_EQ(problemsWith([&](Grid& g, FrameRecord&, Hero&) { cell(g, 40, 0).ch = U' '; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, FrameRecord&, Hero&) { cell(g, 79, 20).ch = U'x'; }), 1u);
    EXPECT_EQ(problemsWith([&](Grid& g, FrameRecord&, Hero&) { cell(g, 8, 17).ch = U'x'; }), 1u);
    // The grid and the record both disagree with the hero.
    EXPECT_EQ(problemsWith([](Grid&, FrameRecord&, Hero& h) { h.hp = 7; }), 2u);
    EXPECT_EQ(problemsWith([](Grid&, FrameRecord&, Hero& h) { h.money = -1; }), 2u);
    const Place first = menuItem(0);
    EXPECT_EQ(problemsWith([&](Grid& g, FrameRecord&, Hero&) {
                  cell(g, first.column, first.row).colour = COLOUR_GREY;
              }),
              1u);
    EXPECT_EQ(problemsWith([&](Grid& g, FrameRecord&, Hero&) {
                  cell(g, first.column, first.row).ch = U'2';
              }),
              1u);
    EXPECT_EQ(problemsWith([](Grid&, FrameRecord& r, Hero&) { r.menu.choices[0] = "Ещё"; }), 1u);
    EXPECT_EQ(checkPlayFrame(page.grid, page.record, SCREEN_QUIT, page.hero).size(), 1u);

    // A round of a fight whose news leaves out a blow and the enemy's hit points.
    FrameRecord before = page.record;
    FrameRecord round = page.record;
    round.actions.push_back({27, "", u8"Джек ранил скорпиона на 5 HP."});
    round.enemy = {true, u8"Скорпион", 25};
    round.spoken.news = {round.actions[0].spoken};
    EXPECT_EQ(checkNews(before, round).size(), 1u);
    round.spoken.news = {};
    EXPECT_EQ(checkNews(before, round).size(), 3u);
}

}  // namespace
