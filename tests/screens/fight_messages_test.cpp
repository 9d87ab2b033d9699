// The fight's four sentences about its monster, built from the forms of a
// name line: the game's own nine monsters, then name lines with forms left
// out, damaged or overlong. battle_test.cpp shows them on screen.
#include "screens/fight_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "data/monster_catalogue.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"

namespace {

// A name as the sentences should show it; the instrumental with its
// preposition.
struct Name {
    std::string nominative;
    std::string accusative;
    std::string withInstrumental;
    bool feminine;
};

// The sentences of a fight in which the monster strikes for 7, Jack for 9
// (12 when critical) and the kill pays 450.
void expectSentences(const MonsterName& forms, const Name& name) {
    EXPECT_EQ(fromCp1251(battleTitle(forms).text()), "Идет битва " + name.withInstrumental);
    EXPECT_EQ(fromCp1251(monsterBlowMessage(forms, 7).text()),
              name.nominative + (name.feminine ? " ранила" : " ранил") + " Джека на 7 HP");
    EXPECT_EQ(fromCp1251(heroBlowMessage(forms, 9, false).text()),
              "Джек ранил " + name.accusative + " на 9 HP");
    EXPECT_EQ(fromCp1251(heroBlowMessage(forms, 12, true).text()),
              "Джек ранил " + name.accusative + " на 12 HP !CRIT!");
    EXPECT_EQ(fromCp1251(killMessage(forms, 450).text()),
              "Джек убил " + name.accusative + ", получив 450 рублей");
}

MonsterName nameOf(const std::string& utf8Line) {
    return parseMonsterName(cp1251(utf8Line).c_str());
}

class FightMessages : public ConsoleTest {};

TEST_F(FightMessages, EveryMonsterOfTheGameInItsFourSentences) {
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
    const std::string assets = AE_ASSETS_DIR;
    const MonsterCatalogue monsters((assets + "/SpriteMonster.txt").c_str(),
                                    (assets + "/DataMonster.txt").c_str());
    for (int monster = 0; monster < 9; ++monster) {
        SCOPED_TRACE("monster " + std::to_string(monster));
        expectSentences(monsters.nameForms(monster), names[monster]);
    }
}

TEST_F(FightMessages, MissingOrDamagedFormsAreTheNominativeAndAMissingMarkMasculine) {
    const struct {
        std::string line;
        Name reads;
    } cases[] = {
        // A plain name is every form as written, and masculine: as it always was.
        {"Болотная пиявка", {"Болотная пиявка", "Болотная пиявка", "с Болотная пиявка", false}},
        {"Скорпион", {"Скорпион", "Скорпион", "с Скорпион", false}},
        {"Кикимора||кикиморой|ж", {"Кикимора", "Кикимора", "с кикиморой", true}},
        {"Скорпион|скорпиона", {"Скорпион", "скорпиона", "с Скорпион", false}},
        {"Бес|беса|бесом|?", {"Бес", "беса", "с бесом", false}},
        // No name at all: the title's "с " ends it.
        {"|", {"", "", "с ", false}},
        {std::string(100, '|'), {"", "", "с ", false}},
        {"||||", {"", "", "с ", false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("name line \"" + c.line + "\"");
        expectSentences(nameOf(c.line), c.reads);
    }
}

// "со" before щ, and before с, з, ш or ж with another consonant after it.
TEST_F(FightMessages, TheTitleSaysCoWhereRussianAsksForIt) {
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
        EXPECT_EQ(fromCp1251(battleTitle(nameOf(c.line)).text()), c.title);
    }
}

// The title is appended, never cut; the blows are formatted and end at 255
// characters, as every formatted text does.
TEST_F(FightMessages, FormsOfAnOverlongLineAreCutOnlyInTheBlows) {
    const MonsterName forms =
        nameOf(std::string(150, 'N') + "|" + std::string(250, 'A') + "|" + std::string(300, 'I'));
    EXPECT_EQ(fromCp1251(battleTitle(forms).text()), "Идет битва с " + std::string(300, 'I'));
    EXPECT_EQ(fromCp1251(heroBlowMessage(forms, 9, false).text()),
              "Джек ранил " + std::string(244, 'A'));
    EXPECT_EQ(fromCp1251(killMessage(forms, 450).text()), "Джек убил " + std::string(245, 'A'));
}

}  // namespace
