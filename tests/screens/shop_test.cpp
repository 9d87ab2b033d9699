#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "data/weapon_catalogue.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

const Step toShop = [] { return DOWN + ENTER; };

std::string weaponName(int index) {
    return fromCp1251(g_weapons->name(index).text());
}

TEST(Shop, PotionsUntilTheMoneyRunsOut) {
    const GameResult game = playSteps({toTown, toShop, [] { return DOWN + ENTER; }, enter, enter});
    const RecordedFrame& shop = game.afterStep(1);
    EXPECT_TRUE(hasTextAt(shop.grid, messageLine(0), "Привет, Джек. Что бы ты хотел купить?"));
    EXPECT_TRUE(hasTextAt(shop.grid, menuItem(1), "2 - Купить лечебное зелье (250 рублей)"));
    EXPECT_NE(textAt(shop.grid, 57, 6, 18), std::string(18, ' '));  // the shopkeeper

    const RecordedFrame& one = game.afterStep(2);
    EXPECT_TRUE(hasTextAt(one.grid, messageLine(0), "Получен предмет \"Лечебное зелье\"."));
    EXPECT_TRUE(hasColouredTextAt(one.grid, 8, 19, "250 рублей", COLOUR_BROWN));
    EXPECT_TRUE(hasColouredTextAt(one.grid, 9, 45, "2", COLOUR_WHITE));
    const RecordedFrame& two = game.afterStep(3);
    EXPECT_EQ(two.hero.money, 0);
    EXPECT_EQ(two.hero.potions, 3);
    const RecordedFrame& three = game.afterStep(4);
    EXPECT_TRUE(hasTextAt(three.grid, messageLine(0), "Тебе не хватает денег."));
    EXPECT_EQ(three.hero.potions, 3);
}

TEST(Shop, WeaponsOneStepAtATimeWithExactMoneyEnough) {
    std::vector<std::string> names;
    std::vector<int> prices;
    const GameResult game = playSteps({toTown, toShop,
                                       [&] {
                                           for (int i = 0; i <= 4; ++i) {
                                               names.push_back(weaponName(i));
                                               prices.push_back(g_weapons->stats(i).price);
                                           }
                                           g_hero->money = prices[1];
                                           return repeat(DOWN, 2) + ENTER;
                                       },
                                       enter});
    const RecordedFrame& bought = game.afterStep(2);
    EXPECT_EQ(bought.hero.weapon, 1);
    EXPECT_EQ(bought.hero.money, 0);
    EXPECT_TRUE(hasTextAt(bought.grid, messageLine(0), "Получен предмет \"" + names[1] + "\"."));
    EXPECT_TRUE(hasColouredTextAt(
        bought.grid, 32, 40,
        "3 - Купить \"" + names[2] + "\" за " + std::to_string(prices[2]) + " рублей",
        COLOUR_GREEN));
    EXPECT_TRUE(hasTextAt(bought.grid, 4, 24, names[1]));  // the panel's card changed at once
    const RecordedFrame& poor = game.afterStep(3);
    EXPECT_TRUE(hasTextAt(poor.grid, messageLine(0), "У тебя на это денег не хватит."));
    EXPECT_EQ(poor.hero.weapon, 1);
}

TEST(Shop, AfterTheBestWeaponTheOfferStaysAndTakesNoMoney) {
    std::string best;
    int price = 0;
    const GameResult game = playSteps({toTown, toShop, [&] {
                                           g_hero->weapon = 4;
                                           best = weaponName(4);
                                           price = g_weapons->stats(4).price;
                                           return repeat(DOWN, 2) + ENTER;
                                       }});
    const RecordedFrame& after = game.afterStep(2);
    EXPECT_TRUE(hasTextAt(after.grid, messageLine(0), "У тебя это уже есть."));
    EXPECT_TRUE(hasTextAt(after.grid, 32, 40,
                          "3 - Купить \"" + best + "\" за " + std::to_string(price) + " рублей"));
    EXPECT_EQ(after.hero.money, 500);
}

TEST(Shop, ReplyAndHighlightStayAcrossVisitsAndTalkCostsNothing) {
    const GameResult game =
        playSteps({toTown, toShop, enter, [] { return UP + ENTER; }, [] { return ENTER; }});
    EXPECT_TRUE(hasTextAt(game.afterStep(2).grid, messageLine(0), "Я тут работаю продавцом."));
    EXPECT_EQ(game.afterStep(2).hero.money, 500);
    EXPECT_EQ(game.afterStep(3).screen, SCREEN_TOWN);
    const RecordedFrame& back = game.afterStep(4);
    EXPECT_EQ(back.screen, SCREEN_SHOP);
    EXPECT_TRUE(hasTextAt(back.grid, messageLine(0), "Я тут работаю продавцом."));
    EXPECT_TRUE(hasColouredTextAt(back.grid, menuItem(3), "4 - Уйти из магазина", COLOUR_GREEN));
}

}  // namespace
