#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "platform/random.h"
#include "screens/battle_screen.h"
#include "screens/shared_screens.h"
#include "screens/story_screen.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

const Step toHunt = [] {
    g_hero->questTaken = 1;
    return repeat(DOWN, 2) + ENTER;
};
const Step findEnemy = [] { return ENTER; };

// The fighting monster's name in the two forms the blows show, and
// whether it is feminine ("ранила"); fight_messages_test.cpp checks them.
struct FightName {
    std::string nominative;
    std::string accusative;
    bool feminine;
};
FightName monsterName() {
    const MonsterName& forms = g_monsters->nameForms(g_battle->monsterIndex);
    return {fromCp1251(forms.nominative.text()), fromCp1251(forms.accusative.text()),
            forms.feminine};
}

// The three rolls an exchange will take, read from the game's own generator.
struct Rolls {
    int r[3];
};
Rolls rollsAfterSeeding(std::uint32_t seed) {
    seedRandom(seed);
    Rolls rolls{{nextRandom(), nextRandom(), nextRandom()}};
    seedRandom(seed);
    return rolls;
}

TEST(Battle, FirstFrameOnlyShowsTheFight) {
    int fullHp = 0;
    const GameResult game = playSteps({toTown, toHunt, findEnemy, [&] {
                                           fullHp = g_monsters->stats(g_battle->monsterIndex).maxHp;
                                           return std::string();
                                       }});
    const RecordedFrame& first = game.afterStep(2);
    EXPECT_EQ(first.screen, SCREEN_BATTLE);
    EXPECT_TRUE(hasTextAt(first.grid, messageLine(0), "Идет битва с"));
    EXPECT_TRUE(hasColouredTextAt(first.grid, 43, 9, std::to_string(fullHp) + " HP", COLOUR_GREY));
    EXPECT_TRUE(hasColouredTextAt(first.grid, menuItem(0), "1 - Атаковать врага", COLOUR_GREEN));
    EXPECT_EQ(first.hero.hp, 50);
    EXPECT_EQ(textAt(first.grid, actionLine(0), 40), std::string(40, ' '));
}

TEST(Battle, ExchangeMonsterFirstThenMarkThenHeroWithItsRolls) {
    Rolls rolls{};
    MonsterStats monster;
    WeaponStats weapon;
    FightName name;
    const GameResult game = playSteps({toTown, toHunt, findEnemy, [&] {
                                           MonsterStats& m =
                                               g_monsters->stats(g_battle->monsterIndex);
                                           m.hp = 500;  // survives the blow
                                           monster = m;
                                           weapon = g_weapons->stats(g_hero->weapon);
                                           name = monsterName();
                                           rolls = rollsAfterSeeding(4242);
                                           return ENTER;
                                       }});
    const int taken = rolls.r[0] % (monster.damageMax - monster.damageMin + 1) + monster.damageMin;
    const int dealt = rolls.r[1] % (weapon.damageMax - weapon.damageMin + 1) + weapon.damageMin;
    const RecordedFrame& after = game.afterStep(3);
    EXPECT_EQ(after.hero.hp, 50 - taken);
    EXPECT_TRUE(hasColouredTextAt(after.grid, 31, 28,
                                  name.nominative + (name.feminine ? " ранила" : " ранил") +
                                      " Джека на " + std::to_string(taken) + " HP",
                                  COLOUR_WHITE));
    std::string heroLine = "Джек ранил " + name.accusative + " на " + std::to_string(dealt) + " HP";
    if (dealt == weapon.damageMax) {
        heroLine += " !CRIT!";
    }
    EXPECT_TRUE(hasColouredTextAt(after.grid, actionLine(0), heroLine, COLOUR_WHITE));
    EXPECT_TRUE(hasColouredTextAt(after.grid, 52, 15, ".*/", COLOUR_RED));
    EXPECT_TRUE(hasColouredTextAt(after.grid, 51, 16, "<-&->", COLOUR_RED));
    EXPECT_TRUE(hasColouredTextAt(after.grid, 52, 17, "'|'", COLOUR_RED));
    EXPECT_TRUE(
        hasColouredTextAt(after.grid, 43, 9, std::to_string(500 - dealt) + " HP", COLOUR_GREY));
    EXPECT_EQ(after.screen, SCREEN_BATTLE);
}

TEST(Battle, BlowOfTheWeaponsMaximumIsCritical) {
    // Find a seed whose second roll hits the weapon's maximum.
    int maximum = 0;
    const GameResult game = playSteps({toTown, toHunt, findEnemy, [&] {
                                           g_monsters->stats(g_battle->monsterIndex).hp = 500;
                                           const WeaponStats& w = g_weapons->stats(g_hero->weapon);
                                           maximum = w.damageMax;
                                           const int span = w.damageMax - w.damageMin + 1;
                                           std::uint32_t seed = 1;
                                           while (rollsAfterSeeding(seed).r[1] % span != span - 1) {
                                               ++seed;
                                           }
                                           seedRandom(seed);
                                           return ENTER;
                                       }});
    const Grid& after = game.afterStep(3).grid;
    const std::string line = rowText(after, 27);
    EXPECT_NE(line.find(" на " + std::to_string(maximum) + " HP !CRIT!"), std::string::npos)
        << line;
    EXPECT_TRUE(hasTextAt(after, 43, 9, std::to_string(500 - maximum) + " HP"));
}

TEST(Battle, PotionHealsInWhiteUpToTheMaximumAndRunsOut) {
    const GameResult game = playSteps({toTown, toHunt, findEnemy,
                                       [] {
                                           g_hero->hp = 5;
                                           return DOWN + ENTER;
                                       },
                                       [] { return ENTER; },
                                       [] {
                                           g_hero->hp = 50;
                                           g_hero->potions = 1;
                                           return ENTER;
                                       }});
    const RecordedFrame& drunk = game.afterStep(3);
    const int healed = drunk.hero.hp - 5;
    EXPECT_GE(healed, 15);
    EXPECT_LE(healed, 39);
    EXPECT_EQ(drunk.hero.potions, 0);
    EXPECT_TRUE(hasColouredTextAt(drunk.grid, actionLine(1),
                                  "Джек восполнил " + std::to_string(healed) + " HP",
                                  COLOUR_WHITE));
    EXPECT_EQ(colourAt(drunk.grid, messageLine(0)),
              COLOUR_WHITE);  // the lines, in the colour left on
    EXPECT_EQ(colourAt(drunk.grid, 43, 9), COLOUR_WHITE);

    const RecordedFrame& none = game.afterStep(4);
    EXPECT_TRUE(hasColouredTextAt(none.grid, messageLine(0), "Кончились зелья", COLOUR_GREY));
    EXPECT_EQ(none.hero.hp, drunk.hero.hp);  // the monster does not strike

    const RecordedFrame& atFull = game.afterStep(5);
    EXPECT_EQ(atFull.hero.hp, 50);
    EXPECT_EQ(atFull.hero.potions, 0);
    EXPECT_TRUE(hasTextAt(atFull.grid, actionLine(1), "Джек восполнил "));
}

TEST(Battle, FleeingCostsNothingAndTheHighlightCarriesIntoTheNextFight) {
    const GameResult game =
        playSteps({toTown, toHunt, findEnemy, [] { return repeat(DOWN, 2) + ENTER; }, findEnemy});
    const RecordedFrame& fled = game.afterStep(3);
    EXPECT_EQ(fled.screen, SCREEN_HUNT);
    EXPECT_EQ(fled.hero.hp, 50);
    const RecordedFrame& next = game.afterStep(4);
    EXPECT_EQ(next.screen, SCREEN_BATTLE);
    EXPECT_TRUE(hasColouredTextAt(next.grid, menuItem(2), "3 - Убежать", COLOUR_GREEN));
}

Step killWith(int monster, int heroHp) {
    return [=] {
        g_battle->monsterIndex = monster;
        g_monsters->stats(monster).hp = 1;
        g_hero->hp = heroHp;
        return ENTER;
    };
}

TEST(BattleOutcome, KillPaysWaitsForAKeyThatReachesNoScreen) {
    const GameResult game = playSteps({toTown, toHunt, findEnemy, killWith(0, 50), findEnemy});
    const RecordedFrame& kill = game.afterStep(3);
    EXPECT_EQ(kill.screen, SCREEN_HUNT);  // already switched, but the kill stays on view
    const int reward = kill.hero.money - 500;
    EXPECT_GT(reward, 0);
    EXPECT_TRUE(hasColouredTextAt(
        kill.grid, actionLine(1),
        "Джек убил болотную пиявку, получив " + std::to_string(reward) + " рублей", COLOUR_GREY));
    // The Enter after it only ended the pause: the hunting grounds did not start a fight.
    EXPECT_EQ(game.afterStep(4).screen, SCREEN_HUNT);
}

TEST(BattleOutcome, StoryMonstersLeaveTheirTrophies) {
    const struct {
        int monster;
        const char* line;
        int trophy;
    } cases[] = {{MONSTER_FROG_PAW_OWNER, "Джек получил лягушачью лапку", TROPHY_FROG_PAW},
                 {MONSTER_WISE_MOSK, "Джек получил скальп Мудрого Моска", TROPHY_SCALP}};
    for (const auto& c : cases) {
        const GameResult game = playSteps({toTown, toHunt, findEnemy, killWith(c.monster, 50)});
        const RecordedFrame& kill = game.afterStep(3);
        EXPECT_TRUE(hasTextAt(kill.grid, messageLine(0), c.line));
        EXPECT_EQ(kill.hero.trophy, c.trophy);
        EXPECT_NE(textAt(kill.grid, 16, 40, 10), std::string(10, ' '));  // its picture
    }
}

TEST(BattleOutcome, DemonKillLeadsToVictoryAfterAKey) {
    const GameResult game =
        playSteps({toTown, toHunt, findEnemy, killWith(MONSTER_DEMON, 50), [] { return "k"; }});
    const RecordedFrame& kill = game.afterStep(3);
    EXPECT_TRUE(hasTextAt(kill.grid, messageLine(0), "Ураааа, победа!!!"));
    EXPECT_EQ(kill.screen, SCREEN_STORY);
    const RecordedFrame& victory = game.afterStep(4);
    EXPECT_TRUE(hasTextAt(victory.grid, messageLine(0), " Джек Белибье убил Монтакулуса, а затем"));
}

TEST(BattleOutcome, DeathOverridesTheVictoryOfTheSameExchange) {
    const GameResult game =
        playSteps({toTown, toHunt, findEnemy, killWith(MONSTER_DEMON, 1), [] { return "k"; }});
    const RecordedFrame& kill = game.afterStep(3);  // the kill frame still waits
    EXPECT_EQ(kill.screen, SCREEN_STORY);
    EXPECT_NE(rowText(kill.grid, 28).find("Джек убил "), std::string::npos);
    EXPECT_TRUE(
        hasTextAt(game.afterStep(4).grid, messageLine(0), " Джек пал героем, спасая мир..."));
}

TEST(BattleOutcome, DeathWithoutAKillReplacesTheBattleAtOnce) {
    const GameResult game = playSteps({toTown, toHunt, findEnemy, [] {
                                           g_monsters->stats(g_battle->monsterIndex).hp = 500;
                                           g_hero->hp = 1;
                                           return ENTER;
                                       }});
    const RecordedFrame& death = game.afterStep(3);
    EXPECT_EQ(death.screen, SCREEN_STORY);
    EXPECT_TRUE(hasTextAt(death.grid, messageLine(0), " Джек пал героем, спасая мир..."));
    EXPECT_LE(death.hero.hp, 0);
    EXPECT_TRUE(hasColouredTextAt(death.grid, 8, 18, std::to_string(death.hero.hp) + " / 50 HP",
                                  COLOUR_RED));
}

// A blow that leaves exactly 0 HP kills, the hero as well as the monster;
// one HP left is life, and the fight goes on.
TEST(BattleOutcome, ABlowThatLeavesExactlyZeroHitPointsKills) {
    for (int left : {0, 1}) {
        SCOPED_TRACE("HP left: " + std::to_string(left));
        const GameResult hero = playSteps({toTown, toHunt, findEnemy, [=] {
                                               MonsterStats& m =
                                                   g_monsters->stats(g_battle->monsterIndex);
                                               m.hp = 500;
                                               m.damageMin = m.damageMax = 6;
                                               g_hero->hp = 6 + left;
                                               return ENTER;
                                           }});
        EXPECT_EQ(hero.afterStep(3).hero.hp, left);
        EXPECT_EQ(hero.afterStep(3).screen, left == 0 ? SCREEN_STORY : SCREEN_BATTLE);

        const GameResult monster =
            playSteps({toTown, toHunt, findEnemy, [=] {
                           const WeaponStats& w = g_weapons->stats(g_hero->weapon);
                           const int span = w.damageMax - w.damageMin + 1;
                           const Rolls rolls = rollsAfterSeeding(77);
                           MonsterStats& m = g_monsters->stats(g_battle->monsterIndex);
                           m.damageMin = m.damageMax = 1;
                           m.hp = rolls.r[1] % span + w.damageMin + left;
                           return ENTER;
                       }});
        EXPECT_EQ(monster.afterStep(3).screen, left == 0 ? SCREEN_HUNT : SCREEN_BATTLE);
        EXPECT_TRUE(hasTextAt(monster.afterStep(3).grid, 43, 9, std::to_string(left) + " HP"));
    }
}

}  // namespace
