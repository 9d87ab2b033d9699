// The sentences a player hears: built from a frame's record, and told after
// each key with what changed, without what was heard already.
#include <gtest/gtest.h>

#include "game/narrator.h"
#include "game/sentences.h"
#include "game/title_words.h"
#include "platform/key_codes.h"
#include "support/screen_text.h"

namespace {

FrameRecord townFrame(int highlighted = 0) {
    FrameRecord town;
    town.kind = ScreenKind::Town;
    town.lines = {u8"Что будем делать?", "", ""};
    town.menu.choices = {u8"Хм, а что я сейчас делаю-то?", u8"Пойду в магазин"};
    town.menu.highlighted = highlighted;
    town.hero = {true, 50, 50, 500, u8"рублей", 1, u8"Ржавый тесак", 5, 10, ""};
    return town;
}

FrameRecord shopFrame(const std::string& reply, std::int32_t money) {
    FrameRecord shop = townFrame(1);
    shop.kind = ScreenKind::Shop;
    shop.lines = {reply, "", ""};
    shop.hero.money = money;
    return shop;
}

FrameRecord fightFrame(std::int32_t heroHp, std::int32_t enemyHp) {
    FrameRecord fight = townFrame();
    fight.kind = ScreenKind::Battle;
    fight.lines = {u8"Идет битва со скорпионом", "", ""};
    fight.menu.choices = {u8"Атаковать врага", u8"Выпить лечебное зелье", u8"Убежать"};
    fight.hero.hp = heroHp;
    fight.enemy = {true, u8"Скорпион", enemyHp};
    return fight;
}

using News = std::vector<std::string>;

News told(Narrator& narrator, FrameRecord frame, unsigned char key = KEY_ENTER) {
    narrator.tell(frame, key);
    return frame.spoken.news;
}

TEST(Sentences, EndInPunctuationAndJoinTheMessageLines) {
    EXPECT_EQ(sentence(u8"  Идет битва со скорпионом "), u8"Идет битва со скорпионом.");
    EXPECT_EQ(sentence(u8"Зачем ты пришел сюда?"), u8"Зачем ты пришел сюда?");
    EXPECT_EQ(sentence(u8"Все люди обречены..."), u8"Все люди обречены...");
    EXPECT_EQ(sentence("   "), "");
    EXPECT_EQ(paragraph({u8" Джек стоит посреди болота, затянутого ", u8"трясиной.", ""}),
              u8"Джек стоит посреди болота, затянутого трясиной.");
    FrameRecord town = townFrame(1);
    EXPECT_EQ(choiceSaid(town.menu), u8"2 из 2: Пойду в магазин.");
    EXPECT_EQ(statusSaid(town),
              u8"Здоровье: 50 из 50. Деньги: 500 рублей. Лечебных зелий: 1. "
              u8"Оружие: Ржавый тесак, урон от 5 до 10.");
    EXPECT_EQ(screenSaid(town),
              u8"Что будем делать? Вариант 1: Хм, а что я сейчас делаю-то? "
              u8"Вариант 2: Пойду в магазин. Выбран вариант 2.");
    FrameRecord fight = fightFrame(40, 25);
    fight.hero.trophy = u8"Лягушачья лапка";
    EXPECT_NE(statusSaid(fight).find(u8"При себе: Лягушачья лапка. У врага 25 HP."),
              std::string::npos);
    EXPECT_EQ(statusSaid(FrameRecord{}), "");
}

TEST(Sentences, TheTitlesWordsWithoutItsPictures) {
    const std::string title = cp1251(
        u8"  ####   ##  #\r\n   R.I.P.   ЗДЕСЬ\r\n"
        u8"    -=~  Приключения Джека Белибье  ~=-\n"
        u8"      Нажмите любую клавишу...");
    EXPECT_EQ(titleWords(title), (std::vector<std::string>{u8"Приключения Джека Белибье",
                                                           u8"Нажмите любую клавишу..."}));
}

TEST(Narrator, EnteringAScreenSaysItsLinesAndChoiceOnceAndArrowsSayTheChoice) {
    Narrator narrator;
    EXPECT_EQ(told(narrator, townFrame(), 0),
              (News{u8"Что будем делать?", u8"1 из 2: Хм, а что я сейчас делаю-то?"}));
    // Half an arrow says nothing; the whole one says where the highlight went.
    EXPECT_EQ(told(narrator, townFrame(), KEY_ARROW_PREFIX), News{});
    EXPECT_EQ(told(narrator, townFrame(1), KEY_DOWN), News{u8"2 из 2: Пойду в магазин."});
    // A key that changes nothing is still answered.
    EXPECT_EQ(told(narrator, townFrame(1), 'x'), News{u8"2 из 2: Пойду в магазин."});
    // Back in the town later, its paragraph is not read again unasked.
    told(narrator, shopFrame(u8"Привет, Джек.", 500), 0);
    EXPECT_EQ(told(narrator, townFrame(1), 0), News{u8"2 из 2: Пойду в магазин."});
}

TEST(Narrator, EveryEnterIsAnsweredWithTheMoneyItCost) {
    Narrator narrator;
    told(narrator, shopFrame(u8"Привет, Джек.", 500), 0);
    const std::string bought = u8"Получен предмет \"Лечебное зелье\".";
    EXPECT_EQ(told(narrator, shopFrame(bought, 250)), (News{bought, u8"Деньги: 250 рублей."}));
    EXPECT_EQ(told(narrator, shopFrame(bought, 0)), (News{bought, u8"Деньги: 0 рублей."}));
    const std::string refused = u8"Тебе не хватает денег.";
    EXPECT_EQ(told(narrator, shopFrame(refused, 0)), News{refused});
    EXPECT_EQ(told(narrator, shopFrame(refused, 0)), News{refused});
}

TEST(Narrator, AFightIsToldWithItsNumbers) {
    Narrator narrator;
    told(narrator, townFrame(), 0);
    EXPECT_EQ(
        told(narrator, fightFrame(50, 30), 0),
        (News{u8"Идет битва со скорпионом.", u8"У врага 30 HP.", u8"1 из 3: Атаковать врага."}));
    FrameRecord round = fightFrame(45, 22);
    round.actions = {{27, "", u8"Джек ранил скорпиона на 8 HP. Критический удар!"},
                     {28, "", u8"Скорпион ранил Джека на 5 HP"}};
    EXPECT_EQ(told(narrator, round), (News{u8"Джек ранил скорпиона на 8 HP. Критический удар!",
                                           u8"Скорпион ранил Джека на 5 HP.",
                                           u8"Здоровье: 45 из 50.", u8"У врага 22 HP."}));
    FrameRecord potion = fightFrame(50, 22);
    potion.menu.highlighted = 1;
    potion.hero.potions = 0;
    potion.actions = {{28, "", u8"Джек восполнил 37 HP"}};
    EXPECT_EQ(told(narrator, potion),
              (News{u8"Джек восполнил 37 HP.", u8"Здоровье: 50 из 50.", u8"Лечебных зелий: 0.",
                    u8"2 из 3: Выпить лечебное зелье."}));
    // The next fight, against the same enemy, starts with its title again.
    told(narrator, townFrame(), 0);
    EXPECT_EQ(told(narrator, fightFrame(50, 30), 0).front(), u8"Идет битва со скорпионом.");
}

TEST(Narrator, TheEndIsSaidOnceWithoutTheLastWordsAgain) {
    Narrator narrator;
    FrameRecord death = townFrame();
    death.kind = ScreenKind::Story;
    death.lines = {u8" Джек пал героем, спасая мир...", u8"Все люди обречены... THE END", ""};
    death.menu.choices = {u8"Далее"};
    EXPECT_EQ(told(narrator, death, 0).front(),
              u8"Джек пал героем, спасая мир... Все люди обречены... THE END.");
    death.over = true;
    EXPECT_EQ(told(narrator, death), News{u8"Игра окончена."});
}

}  // namespace
