#include <set>

#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "data/monster_catalogue.h"
#include "screens/battle_screen.h"
#include "screens/shared_screens.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

Step toHuntAtStage(int stage, int trophy = 0) {
    return [=] {
        g_questStage = stage;
        g_hero->questTaken = 1;
        g_hero->trophy = trophy;
        return repeat(DOWN, 2) + ENTER;
    };
}

TEST(HuntingGrounds, EachStageHasItsPlaceAndStoryEnemy) {
    const struct {
        int stage;
        const char* firstLine;
        const char* storyItem;
    } cases[] = {
        {0, " Джек стоит посреди болота, затянутого ", "2 - Идти за лягушачьей лапкой"},
        {1, " Песок, камни и жаркое солнце, но ", "2 - Идти за скальпом индейца Мудрого Моска"},
        {2, " Преисподняя... В этих пещерах слышен лишь", "2 - Уничтожить Древнее Зло"}};
    for (const auto& c : cases) {
        int monster = -1;
        int hpAtStart = 0;
        int maxHp = 0;
        const GameResult game = playSteps({toTown, toHuntAtStage(c.stage),
                                           [&] {
                                               // A wounded story enemy from an earlier flight.
                                               g_monsters->stats(3 * c.stage + 2).hp = 3;
                                               return DOWN + ENTER;
                                           },
                                           [&] {
                                               monster = g_battle->monsterIndex;
                                               hpAtStart = g_monsters->stats(monster).hp;
                                               maxHp = g_monsters->stats(monster).maxHp;
                                               return std::string();
                                           }});
        const Grid& place = game.afterStep(1).grid;
        EXPECT_TRUE(hasTextAt(place, messageLine(0), c.firstLine));
        EXPECT_TRUE(hasColouredTextAt(place, menuItem(1), c.storyItem, COLOUR_GREY));
        EXPECT_TRUE(hasTextAt(place, menuItem(2), "3 - Уйти в город"));
        EXPECT_EQ(monster, 3 * c.stage + 2);
        EXPECT_EQ(hpAtStart, maxHp);
    }
}

TEST(HuntingGrounds, RandomEnemiesComeFromTheStagesFirstTwo) {
    for (int stage = 0; stage <= 2; ++stage) {
        std::set<int> met;
        std::vector<Step> steps = {toTown, toHuntAtStage(stage)};
        for (int fight = 0; fight < 12; ++fight) {
            steps.push_back([] { return ENTER; });  // find an enemy
            steps.push_back([&met, fight] {
                met.insert(g_battle->monsterIndex);
                // and run: the battle keeps "Убежать" highlighted after the first time
                return fight == 0 ? repeat(DOWN, 2) + ENTER : ENTER;
            });
        }
        playSteps(steps, 7 + stage);
        EXPECT_EQ(met, (std::set<int>{3 * stage, 3 * stage + 1})) << stage;
    }
}

TEST(HuntingGrounds, StoryTaskRefusedWhileATrophyIsCarried) {
    const GameResult game = playSteps(
        {toTown, toHuntAtStage(0, 1), [] { return DOWN + ENTER; }, [] { return UP + ENTER; }});
    const RecordedFrame& refused = game.afterStep(2);
    EXPECT_EQ(refused.screen, SCREEN_HUNT);
    EXPECT_TRUE(
        hasColouredTextAt(refused.grid, actionLine(1), "Ты уже выполнил этот квест", COLOUR_WHITE));
    EXPECT_TRUE(hasColouredTextAt(refused.grid, messageLine(0),
                                  " Джек стоит посреди болота, затянутого ", COLOUR_WHITE));
    // Random fights go on, and never touch the trophy.
    const RecordedFrame& fight = game.afterStep(3);
    EXPECT_EQ(fight.screen, SCREEN_BATTLE);
    EXPECT_EQ(fight.hero.trophy, 1);
}

TEST(HuntingGrounds, BackToTown) {
    const GameResult game = playSteps({toTown, toHuntAtStage(0), [] { return UP + ENTER; }});
    EXPECT_EQ(game.afterStep(2).screen, SCREEN_TOWN);
}

}  // namespace
