#include "console/colours.h"
#include "core/game_state.h"
#include "platform/key_codes.h"
#include "screens/shared_screens.h"
#include "screens/story_screen.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

const std::string FIRST_PAGE = " Джек Белибье уволился с работы в полиции,";

TEST(FrameLoop, TitleInLightRedThenTheFirstPageWithoutAKey) {
    const GameResult game = playGame("t");
    ASSERT_GE(game.frames.size(), 2u);
    const Grid& title = game.frames[0].grid;
    int inked = 0;
    for (const auto& cell : title) {
        if (cell.ch != U' ') {
            ++inked;
            EXPECT_EQ(cell.colour, COLOUR_LIGHT_RED);
        }
    }
    EXPECT_GT(inked, 100);
    // The key that ended the title is not passed on: page 0 shows.
    const Grid& page0 = game.frames[1].grid;
    EXPECT_TRUE(hasColouredTextAt(page0, messageLine(0), FIRST_PAGE, COLOUR_GREY));
    EXPECT_TRUE(hasTextAt(page0, messageLine(1), "потому что ему надоело сидеть и есть пончики."));
    EXPECT_TRUE(hasColouredTextAt(page0, menuItem(0), "1 - Далее", COLOUR_GREEN));
    EXPECT_EQ(rowText(page0, 0), "." + std::string(78, '-') + ".");
    EXPECT_EQ(rowText(page0, 48), "'" + std::string(78, '-') + "'");
}

TEST(FrameLoop, AnArrowTakesTwoFramesAndOtherKeysOnlyRedraw) {
    const GameResult game = playGame("t" + DOWN + "x");
    // title, page 0, after the prefix byte, after the scan code, after "x"
    ASSERT_EQ(game.frames.size(), 6u);  // and the last frame presented at the end
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_TRUE(hasTextAt(game.frames[i].grid, messageLine(0), FIRST_PAGE)) << i;
        EXPECT_EQ(game.frames[i].screen, SCREEN_STORY);
    }
}

TEST(FrameLoop, FourEntersLeaveTheOpeningWithoutWaitingBetweenScreens) {
    const GameResult game = playGame("t" + repeat(ENTER, 4));
    ASSERT_GE(game.frames.size(), 6u);
    EXPECT_TRUE(hasTextAt(game.frames[2].grid, messageLine(0), " Похоже, его мечта сбылась..."));
    EXPECT_TRUE(hasTextAt(game.frames[4].grid, messageLine(0),
                          " Судя по виду, этому человеку крепко досталось"));
    // The fourth Enter hands over at once: the next frame waited on is the stranger's.
    EXPECT_EQ(game.frames[5].screen, SCREEN_STRANGER);
    EXPECT_TRUE(hasTextAt(game.frames[5].grid, messageLine(0),
                          " Найди его... [кашляет] И уничтожь Древнее "));
}

TEST(FrameLoop, UnknownScreenStaysWithPanelAndFrameHoweverManyKeys) {
    int presents = 0;
    const GameResult game = playGame("", 1, [&](const RecordedFrame&) {
        if (++presents == 2) {
            g_screen = 9;  // no such screen
        }
        return presents < 6 ? std::string(ENTER) : std::string();
    });
    ASSERT_EQ(game.frames.size(), 7u);
    for (std::size_t i = 2; i < game.frames.size(); ++i) {
        const RecordedFrame& frame = game.frames[i];
        EXPECT_EQ(frame.screen, 9);
        EXPECT_TRUE(hasTextAt(frame.grid, 6, 17, "Джек Белибье"));
        EXPECT_EQ(textAt(frame.grid, 29, 32, 48), std::string(48, ' '));  // no screen's lines
    }
}

TEST(StoryPages, VictoryPagesEndTheGameOnExitWithoutPanelOrFrame) {
    int presents = 0;
    const GameResult game = playGame("", 1, [&](const RecordedFrame&) {
        if (++presents == 2) {
            g_story->page = 5;  // as the final victory leaves it
        }
        return std::string(ENTER);
    });
    std::vector<std::string> firstLines;
    for (const auto& frame : game.frames) {
        firstLines.push_back(rowText(frame.grid, 32));
    }
    const RecordedFrame& last = game.last();
    EXPECT_EQ(last.screen, SCREEN_QUIT);
    EXPECT_TRUE(hasTextAt(last.grid, messageLine(0), " Выход"));
    EXPECT_TRUE(hasColouredTextAt(last.grid, menuItem(0), "1 - Далее", COLOUR_GREEN));
    EXPECT_EQ(rowText(last.grid, 0), "");   // no frame
    EXPECT_EQ(rowText(last.grid, 17), "");  // no panel
    // Page 0 at the start, then pages 6 to 10 on the way out.
    ASSERT_GE(game.frames.size(), 8u);
    const Grid& credits = game.frames[game.frames.size() - 3].grid;
    EXPECT_TRUE(hasTextAt(credits, messageLine(0), " Сюжет, код и картинки: команда Древнего Зла"));
}

TEST(StoryPages, DeathPageEndsTheGameOnTheNextEnter) {
    int presents = 0;
    const GameResult game = playGame("", 1, [&](const RecordedFrame&) {
        if (++presents == 2) {
            g_story->page = 11;  // the next Enter shows page 12, the death page
        }
        return std::string(ENTER);
    });
    // Skip straight to the last two frames: the death page, then the quit.
    const RecordedFrame& death = game.frames[game.frames.size() - 2];
    EXPECT_TRUE(hasTextAt(death.grid, messageLine(0), " Джек пал героем, спасая мир..."));
    EXPECT_EQ(game.last().screen, SCREEN_QUIT);
    EXPECT_TRUE(hasTextAt(game.last().grid, messageLine(2), "Все люди обречены... THE END"));
}

TEST(FrameLoop, MissingDataFileIsShownEvenBelowAFullScreenTitle) {
    TempDir dir;
    dir.copyAssets();
    dir.write("Title.txt", repeat("#\n", 60));  // leaves the cursor below the screen
    dir.remove("NPC.txt");
    const GameResult game = playGame("t", 1, nullptr, dir.path());
    ASSERT_GE(game.frames.size(), 2u);
    EXPECT_TRUE(hasTextAt(game.frames[1].grid, 0, 48, "File NPC.txt not found"));
}

TEST(FrameLoop, EveryMissingDataFileIsReadableUnderAFullScreenTitle) {
    TempDir dir;
    dir.copyAssets();
    dir.write("Title.txt", repeat(std::string(79, '#') + "\n", 60));
    const char* const missing[] = {"NPC.txt",         "SpriteWeapon.txt",  "DataWeapon.txt",
                                   "SpriteStuff.txt", "SpriteMonster.txt", "DataMonster.txt"};
    for (const char* name : missing) {
        dir.remove(name);
    }
    const GameResult game = playGame("t", 1, nullptr, dir.path());
    ASSERT_GE(game.frames.size(), 2u);
    const Grid& report = game.frames[1].grid;
    // One a row on the bottom rows, over the title, in the order read.
    const int first = VirtualConsole::ROWS - 6;
    EXPECT_EQ(rowText(report, first - 1), std::string(79, '#')) << dumpFrame(report);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(rowText(report, first + i), "File " + std::string(missing[i]) + " not found")
            << dumpFrame(report);
        EXPECT_EQ(colourAt(report, 0, first + i), COLOUR_LIGHT_RED);
    }
}

TEST(FrameLoop, EndOfInputAtTheTitleEndsCleanly) {
    // Only the title was shown: no world was made for a game nobody plays.
    const GameResult game = playGame("");
    ASSERT_EQ(game.frames.size(), 1u);
    EXPECT_EQ(game.frames[0].screen, SCREEN_STORY);
}

}  // namespace
