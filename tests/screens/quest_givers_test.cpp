#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

const Step toTown = [] { return TO_TOWN; };
const Step enter = [] { return ENTER; };
const Step toSeer = [] { return repeat(DOWN, 3) + ENTER; };
const Step toIndian = [] {
    g_questStage = 1;
    return repeat(DOWN, 3) + ENTER;
};

Step carrying(int trophy, std::string keys) {
    return [=] {
        g_hero->trophy = trophy;
        return keys;
    };
}

TEST(Seer, AsksForThePawThenTakesItAndRaisesTheStage) {
    const GameResult game = playSteps({toTown, toSeer, enter, enter, carrying(1, ENTER)});
    const RecordedFrame& first = game.afterStep(1);
    EXPECT_EQ(first.screen, SCREEN_SEER);
    EXPECT_TRUE(hasTextAt(first.grid, messageLine(0), " Я ждала тебя, правда я всегда кого-то"));
    EXPECT_TRUE(
        hasColouredTextAt(first.grid, menuItem(0), "1 - Рассказать о Древнем Зле", COLOUR_GREEN));
    EXPECT_NE(textAt(first.grid, 57, 6, 18), std::string(18, ' '));  // her portrait

    const RecordedFrame& asked = game.afterStep(2);
    EXPECT_TRUE(hasTextAt(asked.grid, messageLine(2), "Лягушачью Лапку с болота для раскурки..."));
    EXPECT_TRUE(hasTextAt(asked.grid, menuItem(0), "1 - Я принес лапку"));
    EXPECT_EQ(asked.hero.questTaken, 1);

    const RecordedFrame& refused = game.afterStep(3);
    EXPECT_TRUE(
        hasColouredTextAt(refused.grid, actionLine(1), "Ты не принес мне лапку!", COLOUR_GREY));
    EXPECT_TRUE(hasTextAt(refused.grid, messageLine(0), " Древнее Зло! Страшно звучит"));
    EXPECT_EQ(refused.questStage, 0);

    const RecordedFrame& handedIn = game.afterStep(4);
    EXPECT_TRUE(hasTextAt(handedIn.grid, messageLine(0), " [Немного позже] Добротная лапка."));
    EXPECT_EQ(textAt(handedIn.grid, actionLine(1), 23), std::string(23, ' '));
    EXPECT_EQ(handedIn.questStage, 1);
    EXPECT_EQ(handedIn.hero.trophy, 0);
    EXPECT_EQ(handedIn.hero.questTaken, 0);
}

TEST(Seer, OneEnterNeverBothOpensAndClosesTheErrand) {
    // The paw already carried before she asks: the first Enter only asks.
    const GameResult game = playSteps({toTown, toSeer, carrying(1, ENTER)});
    const RecordedFrame& asked = game.afterStep(2);
    EXPECT_EQ(asked.questStage, 0);
    EXPECT_EQ(asked.hero.questTaken, 1);
    EXPECT_TRUE(hasTextAt(asked.grid, messageLine(0), " Древнее Зло! Страшно звучит"));
}

TEST(Seer, RemembersTheErrandAndTheHighlightBetweenVisits) {
    const GameResult game =
        playSteps({toTown, toSeer, enter, [] { return DOWN + ENTER; }, [] { return ENTER; }});
    EXPECT_EQ(game.afterStep(3).screen, SCREEN_TOWN);
    const RecordedFrame& back = game.afterStep(4);  // the town kept its highlight on the seer
    EXPECT_EQ(back.screen, SCREEN_SEER);
    EXPECT_TRUE(hasTextAt(back.grid, messageLine(0), " Древнее Зло! Страшно звучит"));
    EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(0), "1 - Я принес лапку", COLOUR_GREY));
    EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(1), "2 - Пойду ка я", COLOUR_GREEN));
}

TEST(Indian, GreetsAsksRefusesTakesTheScalpAndProphesies) {
    const GameResult game =
        playSteps({toTown, toIndian, enter, enter, enter, carrying(2, ENTER), enter, enter, enter});
    const RecordedFrame& greeting = game.afterStep(1);
    EXPECT_EQ(greeting.screen, SCREEN_INDIAN);
    EXPECT_TRUE(hasTextAt(greeting.grid, messageLine(0), " Приветствую тебя, Джек. "));
    EXPECT_EQ(textAt(greeting.grid, messageLine(1), 40), std::string(40, ' '));

    EXPECT_TRUE(hasTextAt(game.afterStep(2).grid, messageLine(0), " Я знаю, я много чего знаю..."));
    EXPECT_EQ(game.afterStep(2).hero.questTaken, 0);

    const RecordedFrame& request = game.afterStep(3);
    EXPECT_TRUE(hasTextAt(request.grid, messageLine(1), "принести мне скальп Мудрого Моска."));
    EXPECT_TRUE(hasTextAt(request.grid, menuItem(0), "1 - Я принес скальп"));
    EXPECT_EQ(request.hero.questTaken, 1);

    const RecordedFrame& refused = game.afterStep(4);
    EXPECT_TRUE(
        hasColouredTextAt(refused.grid, actionLine(1), "Ты не принес мне скальп!", COLOUR_GREY));
    EXPECT_TRUE(hasTextAt(refused.grid, messageLine(0), " Я помогу тебе, но сначала"));

    const RecordedFrame& handedIn = game.afterStep(5);  // the prophecy starts at once
    EXPECT_TRUE(
        hasTextAt(handedIn.grid, messageLine(0), " Оо, ты принес скальп! Итак, пророчество"));
    EXPECT_EQ(handedIn.questStage, 2);
    EXPECT_EQ(handedIn.hero.trophy, 0);
    EXPECT_EQ(handedIn.hero.questTaken, 0);

    EXPECT_TRUE(
        hasTextAt(game.afterStep(6).grid, messageLine(0), "...и только избранный может помешать"));
    for (std::size_t step : {7u, 8u}) {  // the last part of the prophecy stays
        EXPECT_TRUE(hasTextAt(game.afterStep(step).grid, 31, 34,
                              "Купи хорошее оружие, прежде чем идти туда."));
    }
}

TEST(Indian, ScalpRequestStandsAfterLeavingAndComingBack) {
    const GameResult game = playSteps(
        {toTown, toIndian, enter, enter, [] { return DOWN + ENTER; }, [] { return ENTER; }});
    const RecordedFrame& back = game.afterStep(5);
    EXPECT_EQ(back.screen, SCREEN_INDIAN);
    EXPECT_TRUE(hasTextAt(back.grid, messageLine(1), "принести мне скальп Мудрого Моска."));
    EXPECT_TRUE(hasTextAt(back.grid, menuItem(0), "1 - Я принес скальп"));
    EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(1), "2 - Уже сваливаю", COLOUR_GREEN));
}

}  // namespace
