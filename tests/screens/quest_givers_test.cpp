// The seer and the Indian run the same errand: they talk, ask for a trophy,
// refuse Jack without it, take it and raise the quest stage. One table
// describes both; each case runs for each of them.
#include <string>
#include <vector>

#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

Step carrying(int trophy, std::string keys) {
    return [=] {
        g_hero->trophy = trophy;
        return keys;
    };
}

struct QuestGiver {
    const char* who;
    int stage;  // the quest stage at which the town's fourth choice leads here
    ScreenId screen;
    int enters;  // until the errand is given
    int trophy;
    std::string greeting;  // the first message line on arrival
    Place requestPlace;
    std::string request;  // a line of the errand
    std::string broughtItem;
    std::string leaveItem;
    std::string refusal;
    std::string afterRefusal;  // the first message line then
    std::string thanks;        // the first message line once the trophy is handed in

    Step visit() const {
        const int atStage = stage;
        return [atStage] {
            g_questStage = atStage;
            return repeat(DOWN, 3) + ENTER;
        };
    }
    // From the town to the moment the errand is given.
    std::vector<Step> untilAsked() const {
        std::vector<Step> steps = {toTown, visit()};
        steps.insert(steps.end(), enters, enter);
        return steps;
    }
};

const QuestGiver GIVERS[] = {
    {"the seer", 0, SCREEN_SEER, 1, 1, " Я ждала тебя, правда, я всегда кого-то", messageLine(2),
     "лягушачью лапку с болота для раскурки...", "1 - Я принес лапку", "2 - Пойду-ка я",
     "Ты не принес мне лапку!", " Древнее Зло! Страшно звучит",
     " [Немного позже] Добротная лапка."},
    {"the Indian", 1, SCREEN_INDIAN, 2, 2, " Приветствую тебя, Джек. ", messageLine(1),
     "принести мне скальп Мудрого Моска.", "1 - Я принес скальп", "2 - Уже сваливаю",
     "Ты не принес мне скальп!", " Я помогу тебе, но сначала",
     " Оо, ты принес скальп! Итак, пророчество"},
};

TEST(QuestGivers, AskRefuseWithoutTheTrophyThenTakeItAndRaiseTheStage) {
    for (const QuestGiver& giver : GIVERS) {
        SCOPED_TRACE(giver.who);
        std::vector<Step> steps = giver.untilAsked();
        steps.push_back(enter);
        steps.push_back(carrying(giver.trophy, ENTER));
        const GameResult game = playSteps(steps);
        const std::size_t asked = 1 + giver.enters;

        const RecordedFrame& first = game.afterStep(1);
        EXPECT_EQ(first.screen, giver.screen);
        EXPECT_TRUE(hasTextAt(first.grid, messageLine(0), giver.greeting));
        EXPECT_NE(textAt(first.grid, 57, 6, 18), std::string(18, ' '));  // the portrait

        const RecordedFrame& request = game.afterStep(asked);
        EXPECT_TRUE(hasTextAt(request.grid, giver.requestPlace, giver.request));
        EXPECT_TRUE(hasColouredTextAt(request.grid, menuItem(0), giver.broughtItem, COLOUR_GREEN));
        EXPECT_EQ(request.hero.questTaken, 1);
        EXPECT_EQ(game.afterStep(asked - 1).hero.questTaken, 0);

        const RecordedFrame& refused = game.afterStep(asked + 1);
        EXPECT_TRUE(hasColouredTextAt(refused.grid, actionLine(1), giver.refusal, COLOUR_GREY));
        EXPECT_TRUE(hasTextAt(refused.grid, messageLine(0), giver.afterRefusal));
        EXPECT_EQ(refused.questStage, giver.stage);

        const RecordedFrame& handedIn = game.afterStep(asked + 2);
        EXPECT_TRUE(hasTextAt(handedIn.grid, messageLine(0), giver.thanks));
        EXPECT_EQ(textAt(handedIn.grid, actionLine(1), 30), std::string(30, ' '));
        EXPECT_EQ(handedIn.questStage, giver.stage + 1);
        EXPECT_EQ(handedIn.hero.trophy, 0);
        EXPECT_EQ(handedIn.hero.questTaken, 0);
    }
}

TEST(QuestGivers, OneEnterNeverBothGivesAndClosesTheErrand) {
    for (const QuestGiver& giver : GIVERS) {
        SCOPED_TRACE(giver.who);
        // The trophy already carried when the errand is given: that Enter only asks.
        std::vector<Step> steps = {toTown, giver.visit()};
        steps.insert(steps.end(), giver.enters - 1, enter);
        steps.push_back(carrying(giver.trophy, ENTER));
        const GameResult game = playSteps(steps);
        const RecordedFrame& asked = game.afterStep(1 + giver.enters);
        EXPECT_EQ(asked.questStage, giver.stage);
        EXPECT_EQ(asked.hero.questTaken, 1);
        EXPECT_TRUE(hasTextAt(asked.grid, menuItem(0), giver.broughtItem));
    }
}

TEST(QuestGivers, RememberTheErrandAndTheHighlightBetweenVisits) {
    for (const QuestGiver& giver : GIVERS) {
        SCOPED_TRACE(giver.who);
        std::vector<Step> steps = giver.untilAsked();
        steps.push_back([] { return DOWN + ENTER; });
        // The town kept its highlight on the quest giver.
        steps.push_back(enter);
        const GameResult game = playSteps(steps);
        EXPECT_EQ(game.afterStep(2 + giver.enters).screen, SCREEN_TOWN);
        const RecordedFrame& back = game.afterStep(3 + giver.enters);
        EXPECT_EQ(back.screen, giver.screen);
        EXPECT_TRUE(hasTextAt(back.grid, giver.requestPlace, giver.request));
        EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(0), giver.broughtItem, COLOUR_GREY));
        EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(1), giver.leaveItem, COLOUR_GREEN));
    }
}

TEST(Indian, TheProphecyRunsOnAndItsLastPageStays) {
    const GameResult game = playSteps(
        {toTown, GIVERS[1].visit(), enter, enter, carrying(2, ENTER), enter, enter, enter});
    // The greeting is one line, then he talks before he asks.
    EXPECT_EQ(textAt(game.afterStep(1).grid, messageLine(1), 40), std::string(40, ' '));
    EXPECT_TRUE(hasTextAt(game.afterStep(2).grid, messageLine(0), " Я знаю, я много чего знаю..."));
    EXPECT_TRUE(
        hasTextAt(game.afterStep(5).grid, messageLine(0), "...и только избранный может помешать"));
    for (std::size_t step : {6u, 7u}) {
        EXPECT_TRUE(hasTextAt(game.afterStep(step).grid, messageLine(2),
                              "Купи хорошее оружие, прежде чем идти туда."));
    }
}

}  // namespace
