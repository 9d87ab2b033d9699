#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

const std::string REFUSAL = "Нужно сначала узнать, куда идти.";

Step atStage(int stage, int questTaken, std::string keys) {
    return [=] {
        g_questStage = stage;
        g_hero->questTaken = questTaken;
        return keys;
    };
}

TEST(Town, HuntingGateFollowsTheErrandAndTheStage) {
    const struct {
        int stage, questTaken;
        bool open;
    } cases[] = {{0, 0, false}, {0, 1, true}, {1, 0, false}, {1, 1, true}, {2, 0, true}};
    for (const auto& c : cases) {
        const GameResult game =
            playSteps({toTown, atStage(c.stage, c.questTaken, repeat(DOWN, 2) + ENTER)});
        const RecordedFrame& after = game.afterStep(1);
        if (c.open) {
            EXPECT_EQ(after.screen, SCREEN_HUNT) << c.stage << "/" << c.questTaken;
        } else {
            EXPECT_EQ(after.screen, SCREEN_TOWN);
            EXPECT_TRUE(hasColouredTextAt(after.grid, messageLine(0), REFUSAL, COLOUR_GREY));
            EXPECT_EQ(textAt(after.grid, messageLine(1), 40), std::string(40, ' '));
        }
    }
}

TEST(Town, QuestItemFollowsTheStage) {
    const struct {
        int stage;
        const char* item;
        ScreenId leadsTo;
    } cases[] = {{0, "4 - Пойду к провидице", SCREEN_SEER},
                 {1, "4 - Пойду к Мабунге", SCREEN_INDIAN},
                 {2, "4 - Спасибо провидице и Мабунге", SCREEN_TOWN}};
    for (const auto& c : cases) {
        const GameResult game =
            playSteps({toTown, atStage(c.stage, 0, repeat(DOWN, 3)), [] { return ENTER; }});
        EXPECT_TRUE(hasColouredTextAt(game.afterStep(1).grid, menuItem(3), c.item, COLOUR_GREEN));
        EXPECT_EQ(game.afterStep(2).screen, c.leadsTo) << c.stage;
    }
}

TEST(Town, HintNamesWhatTheOpenErrandWaitsFor) {
    const struct {
        int stage, trophy;
        const char* line;
    } cases[] = {{0, 0, " Провидица ждет лягушачью лапку с болота."},
                 {0, TROPHY_FROG_PAW, " Провидица ждет лягушачью лапку с болота."},
                 {1, TROPHY_SCALP, " Мабунга ждет скальп Мудрого Моска."}};
    for (const auto& c : cases) {
        const Step onErrand = [&] {
            g_hero->trophy = c.trophy;
            return atStage(c.stage, 1, ENTER)();
        };
        const GameResult game = playSteps({toTown, onErrand});
        const Grid& hint = game.last().grid;
        EXPECT_TRUE(hasTextAt(hint, messageLine(0), c.line)) << c.stage;
        EXPECT_TRUE(hasTextAt(hint, messageLine(1), "Пока не принесу, помогать не станет."));
    }
}

TEST(Town, UnderworldLinesAndHint) {
    const GameResult game = playSteps({toTown, atStage(2, 0, "x"), [] { return ENTER; }});
    const Grid& town = game.afterStep(1).grid;
    EXPECT_TRUE(hasTextAt(town, messageLine(0), " Ну вот я и под землей. Можно сказать,"));
    EXPECT_TRUE(hasTextAt(town, messageLine(1), "в аду."));
    EXPECT_TRUE(hasTextAt(game.afterStep(2).grid, messageLine(0),
                          " МОЧИТЬ ВРАГОВ И СПАСАТЬ МИР!!! УРААА!"));
}

TEST(Town, HintLastsOneFrame) {
    const GameResult game = playSteps({toTown, [] { return ENTER; }, [] { return DOWN; }});
    const Grid& hint = game.afterStep(1).grid;
    EXPECT_TRUE(hasTextAt(hint, messageLine(0), " Я думаю, нужно навестить местную провидицу."));
    EXPECT_TRUE(hasTextAt(hint, messageLine(1), "Она должна помочь."));
    const Grid& after = game.afterStep(2).grid;
    EXPECT_TRUE(hasTextAt(after, messageLine(0), "Что будем делать? "));
    EXPECT_TRUE(hasColouredTextAt(after, menuItem(1), "2 - Пойду в магазин", COLOUR_GREEN));
}

TEST(ExitConfirmation, YesEndsTheGameInTheSameFrame) {
    const GameResult game = playSteps({toTown, [] { return UP + ENTER; }, [] { return ENTER; }});
    const Grid& question = game.afterStep(1).grid;
    EXPECT_TRUE(hasTextAt(question, messageLine(0), "Действительно выйти?"));
    EXPECT_TRUE(hasColouredTextAt(question, menuItem(0), "1 - Угу", COLOUR_GREEN));
    EXPECT_TRUE(hasColouredTextAt(question, menuItem(1), "2 - Неа", COLOUR_GREY));
    const RecordedFrame& last = game.last();
    EXPECT_EQ(last.screen, SCREEN_QUIT);
    EXPECT_EQ(rowText(last.grid, 0), "");  // no frame, no panel
    EXPECT_EQ(rowText(last.grid, 17), "");
    EXPECT_EQ(rowText(last.grid, 32), std::string(31, ' ') + "Действительно выйти?");
}

TEST(ExitConfirmation, NoGoesBackAndIsRememberedForTheNextVisit) {
    const GameResult game = playSteps(
        {toTown, [] { return UP + ENTER; }, [] { return DOWN + ENTER; }, [] { return ENTER; }});
    EXPECT_EQ(game.afterStep(2).screen, SCREEN_TOWN);
    // Back in the town "Пойду я нафиг из игры" is still highlighted: Enter asks again.
    const Grid& again = game.afterStep(3).grid;
    EXPECT_EQ(game.afterStep(3).screen, SCREEN_EXIT_CONFIRM);
    EXPECT_TRUE(hasColouredTextAt(again, menuItem(1), "2 - Неа", COLOUR_GREEN));
}

TEST(Stranger, PortraitWordsAndRepliesThenAnyReplyLeadsToTown) {
    for (int reply = 0; reply < 3; ++reply) {
        const GameResult game =
            playSteps({[] { return "t" + repeat(ENTER, 4); },
                       [=] { return repeat(DOWN, reply) + "q"; }, [] { return ENTER; }});
        const Grid& stranger = game.afterStep(1).grid;
        EXPECT_EQ(game.afterStep(1).screen, SCREEN_STRANGER);
        EXPECT_TRUE(hasTextAt(stranger, 55, 2, "O" + std::string(21, '-') + "O"));
        EXPECT_TRUE(hasTextAt(stranger, 55, 13, "O" + std::string(21, '-') + "O"));
        EXPECT_NE(textAt(stranger, 57, 6, 18), std::string(18, ' '));  // the portrait
        EXPECT_TRUE(
            hasTextAt(stranger, messageLine(0), " Найди его... [кашляет] И уничтожь Древнее "));
        EXPECT_TRUE(hasTextAt(stranger, messageLine(1), "Зло... берегись Монтакулуса... [умер]"));
        EXPECT_EQ(textAt(stranger, messageLine(2), 40), std::string(40, ' '));
        EXPECT_TRUE(hasColouredTextAt(stranger, 32, 36 + 2 * reply,
                                      reply == 0 ? "1 - ЭЭ!? Ты куда? Что за бред?"
                                      : reply == 1 ? "2 - Эх, ну вот не дадут отдохнуть!"
                                                   : "3 - Хмм... я что, разговариваю с трупом?!",
                                      COLOUR_GREEN));
        EXPECT_TRUE(hasColouredTextAt(stranger, 8, 18, "50 / 50 HP", COLOUR_GREEN));
        EXPECT_TRUE(hasColouredTextAt(stranger, 8, 19, "500 рублей", COLOUR_BROWN));
        EXPECT_EQ(game.afterStep(2).screen, SCREEN_TOWN);
    }
}

}  // namespace
