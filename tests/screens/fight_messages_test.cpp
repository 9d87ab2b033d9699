// The fight's four sentences about its monster, read where the player reads
// them: the title on row 32, the monster's blow on row 28, the hero's on
// row 27, the kill on row 28, each from column 31, through the real frame
// loop with the name forms of the sprite file.
#include <string>
#include <vector>

#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "frame_invariants.h"
#include "platform/random.h"
#include "screens/battle_screen.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

constexpr int MESSAGE_COLUMN = 31;
constexpr int HERO_BLOW_ROW = 27;
constexpr int MONSTER_BLOW_ROW = 28;  // and the kill
constexpr int TITLE_ROW = 32;

// The lines stand in the message box, whose right side is column 77; the
// blows above it run to the frame's side in column 79.
constexpr int BOX_SIDE_COLUMN = 77;
constexpr int FRAME_SIDE_COLUMN = 79;

// What a message row shows from column 31 up to the side that ends it,
// without the blanks after it.
std::string messageAt(const Grid& grid, int row) {
    const int end = row == TITLE_ROW ? BOX_SIDE_COLUMN : FRAME_SIDE_COLUMN;
    std::string text = textAt(grid, MESSAGE_COLUMN, row, end - MESSAGE_COLUMN);
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// One fight against a chosen monster: its first frame, one exchange the
// monster survives, and the exchange that kills it, with the numbers rolled.
struct Fight {
    GameResult game;
    int taken = 0;
    int dealt = 0;
    bool critical = false;
    int reward = 0;

    const RecordedFrame& first() const { return game.afterStep(2); }
    const RecordedFrame& exchange() const { return game.afterStep(3); }
    const RecordedFrame& kill() const { return game.afterStep(4); }
};

Fight fightWith(int monster, const std::string& dataDir = "") {
    Fight fight;
    int money = 0;
    int weaponMax = 0;
    const std::vector<Step> steps = {
        [] { return TO_TOWN; },
        [] {
            g_hero->questTaken = 1;
            return repeat(DOWN, 2) + ENTER;
        },
        // The hunting grounds of the monster's place lead to it: the story
        // task, or a search whose roll picks it.
        [=] {
            g_questStage = monster / MONSTERS_PER_STAGE;
            g_hero->trophy = TROPHY_NONE;
            if (monster % MONSTERS_PER_STAGE == 2) {
                return DOWN + ENTER;
            }
            std::uint32_t seed = 1;
            for (;; ++seed) {
                seedRandom(seed);
                if (nextRandom() % 2 == monster % MONSTERS_PER_STAGE) {
                    break;
                }
            }
            seedRandom(seed);
            return ENTER;
        },
        [&] {
            g_monsters->stats(monster).hp = 500;  // survives the first exchange
            weaponMax = g_weapons->stats(g_hero->weapon).damageMax;
            return ENTER;
        },
        [&] {
            fight.dealt = 500 - g_monsters->stats(monster).hp;
            fight.critical = fight.dealt == weaponMax;
            g_monsters->stats(monster).hp = 1;
            g_hero->hp = 100;  // outlives the next blow
            money = g_hero->money;
            return ENTER;
        },
        [&] {
            fight.reward = g_hero->money - money;
            return std::string();
        },
    };
    fight.game = playSteps(steps, 1, dataDir);
    fight.taken = fight.first().hero.hp - fight.exchange().hero.hp;
    return fight;
}

// The four sentences of a fight as the player should read them.
struct Sentences {
    std::string title;
    std::string monsterBlow;
    std::string heroBlow;
    std::string kill;
};

void expectSentences(const Fight& fight, const Sentences& expected) {
    ASSERT_EQ(fight.first().screen, SCREEN_BATTLE);
    EXPECT_EQ(messageAt(fight.first().grid, TITLE_ROW), expected.title);
    EXPECT_EQ(colourAt(fight.first().grid, MESSAGE_COLUMN, TITLE_ROW), COLOUR_GREY);

    const Grid& exchange = fight.exchange().grid;
    EXPECT_EQ(messageAt(exchange, MONSTER_BLOW_ROW), expected.monsterBlow);
    EXPECT_EQ(colourAt(exchange, MESSAGE_COLUMN, MONSTER_BLOW_ROW), COLOUR_WHITE);
    EXPECT_EQ(messageAt(exchange, HERO_BLOW_ROW), expected.heroBlow);
    EXPECT_EQ(colourAt(exchange, MESSAGE_COLUMN, HERO_BLOW_ROW), COLOUR_WHITE);
    EXPECT_EQ(messageAt(exchange, TITLE_ROW), expected.title);

    EXPECT_EQ(messageAt(fight.kill().grid, MONSTER_BLOW_ROW), expected.kill);
    EXPECT_EQ(colourAt(fight.kill().grid, MESSAGE_COLUMN, MONSTER_BLOW_ROW), COLOUR_GREY);
}

// A name as the sentences should show it; the instrumental with its
// preposition.
struct Name {
    std::string nominative;
    std::string accusative;
    std::string withInstrumental;
    bool feminine;
};

Sentences sentencesFor(const Name& name, const Fight& fight) {
    const std::string n = std::to_string(fight.taken);
    const std::string d = std::to_string(fight.dealt);
    return {
        "Идет битва " + name.withInstrumental,
        name.nominative + (name.feminine ? " ранила" : " ранил") + " Джека на " + n + " HP",
        "Джек ранил " + name.accusative + " на " + d + " HP" + (fight.critical ? " !CRIT!" : ""),
        "Джек убил " + name.accusative + " получив " + std::to_string(fight.reward) + " рублей"};
}

TEST(FightMessages, EveryMonsterOfTheGameInItsFourSentences) {
    const Name names[] = {
        {"Болотная пиявка", "болотную пиявку", "с болотной пиявкой", true},
        {"Кикимора", "кикимору", "с кикиморой", true},
        {"Жаба-людоед", "жабу-людоеда", "с жабой-людоедом", true},
        {"Скорпион", "скорпиона", "со скорпионом", false},
        {"Песчаный червь", "песчаного червя", "с песчаным червем", false},
        {"Мудрый Моск", "Мудрого Моска", "с Мудрым Моском", false},
        {"Бес", "беса", "с бесом", false},
        {"Адская гончая", "адскую гончую", "с адской гончей", true},
        {"Монтакулус", "Монтакулуса", "с Монтакулусом", false},
    };
    for (int monster = 0; monster <= MONSTER_DEMON; ++monster) {
        SCOPED_TRACE("monster " + std::to_string(monster));
        const Fight fight = fightWith(monster);
        EXPECT_GT(fight.taken, 0);
        EXPECT_GT(fight.reward, 0);
        expectSentences(fight, sentencesFor(names[monster], fight));
    }
}

// The game's data files with the monsters' name lines replaced, in order.
class NamedMonsters {
  public:
    explicit NamedMonsters(const std::vector<std::string>& names) {
        dir_.copyAssets();
        const std::string original = readFile(dir_.file("SpriteMonster.txt"));
        std::string out;
        std::size_t start = 0;
        for (int line = 0; start < original.size(); ++line) {
            const std::size_t end = original.find('\n', start);
            std::string text = original.substr(start, end - start);
            const int sprite = (line - 1) / 11;
            if (line > 0 && (line - 1) % 11 == 10 && sprite < static_cast<int>(names.size())) {
                text = names[sprite];
            }
            out += text + "\n";
            start = end == std::string::npos ? original.size() : end + 1;
        }
        dir_.write("SpriteMonster.txt", out);
    }
    const std::string& path() const { return dir_.path(); }

  private:
    TempDir dir_;
};

TEST(FightMessages, MissingFormsAreTheNominativeAndAMissingMarkMasculine) {
    const struct {
        const char* line;
        Name reads;
    } cases[] = {
        // A plain name is every form as written, and masculine: as it always was.
        {"Болотная пиявка", {"Болотная пиявка", "Болотная пиявка", "с Болотная пиявка", false}},
        {"Скорпион", {"Скорпион", "Скорпион", "с Скорпион", false}},
        {"Кикимора||кикиморой|ж", {"Кикимора", "Кикимора", "с кикиморой", true}},
        {"Скорпион|скорпиона", {"Скорпион", "скорпиона", "с Скорпион", false}},
        {"Бес|беса|бесом|?", {"Бес", "беса", "с бесом", false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const NamedMonsters data({cp1251(c.line)});
        const Fight fight = fightWith(0, data.path());
        expectSentences(fight, sentencesFor(c.reads, fight));
    }
}

// "со" before щ, and before с, з, ш or ж with another consonant after it.
TEST(FightMessages, TheTitleSaysCoWhereRussianAsksForIt) {
    const struct {
        const char* line;
        const char* title;
    } cases[] = {
        {"Змей|змея|змеем", "Идет битва со змеем"},
        {"Щука|щуку|щукой|ж", "Идет битва со щукой"},
        {"Шмель|шмеля|Шмелем", "Идет битва со Шмелем"},
        {"Жрец|жреца|жрецом", "Идет битва со жрецом"},
        {"Сом|сома|сомом", "Идет битва с сомом"},
        {"Жаба|жабу|жабой|ж", "Идет битва с жабой"},
        {"Волк|волка|волком", "Идет битва с волком"},
        {"С|с|с", "Идет битва с с"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const NamedMonsters data({cp1251(c.line)});
        const Fight fight = fightWith(0, data.path());
        EXPECT_EQ(messageAt(fight.first().grid, TITLE_ROW), c.title);
    }
}

void expectSoundFrames(const GameResult& game) {
    for (std::size_t i = 1; i + 1 < game.frames.size(); ++i) {
        const RecordedFrame& frame = game.frames[i];
        const auto problems = checkPlayFrame(frame.grid, frame.screen, frame.hero);
        EXPECT_TRUE(problems.empty()) << problems.front() << "\n" << dumpFrame(frame.grid);
    }
}

TEST(FightMessages, DamagedNameLinesNeverBreakAFight) {
    const struct {
        std::string line;
        Name reads;
    } cases[] = {
        // No name at all: the title's "с " ends it.
        {"|", {"", "", "с", false}},
        {std::string(100, '|'), {"", "", "с", false}},
        {"||||", {"", "", "с", false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("name line of " + std::to_string(c.line.size()) + " characters");
        const NamedMonsters data({c.line});
        const Fight fight = fightWith(0, data.path());
        expectSentences(fight, sentencesFor(c.reads, fight));
        expectSoundFrames(fight.game);
    }
}

// Forms as long as a name line holds run on over the next rows, as a long
// plain name does; the forms end where the reader cut the line.
TEST(FightMessages, FormsOfAnOverlongLineRunOnLikeALongName) {
    const NamedMonsters data({std::string(150, 'N') + "|" + std::string(150, 'A') + "|ins"});
    const Fight fight = fightWith(0, data.path());
    // Up to the message box's side.
    const int shown = BOX_SIDE_COLUMN - MESSAGE_COLUMN;
    EXPECT_TRUE(hasTextAt(fight.first().grid, MESSAGE_COLUMN, TITLE_ROW,
                          "Идет битва с " + std::string(shown - 13, 'N')));
    EXPECT_TRUE(hasTextAt(fight.exchange().grid, MESSAGE_COLUMN, HERO_BLOW_ROW,
                          "Джек ранил " + std::string(shown - 11, 'A')));
    EXPECT_EQ(fight.kill().screen, SCREEN_HUNT);
    expectSoundFrames(fight.game);
}

}  // namespace
