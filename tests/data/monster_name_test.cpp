// A monster's name line read into the forms the fight's sentences need.
#include "data/monster_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/monster_catalogue.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

struct Forms {
    std::string nominative;
    std::string accusative;
    std::string instrumental;
    bool feminine;
};

// The forms of a UTF-8 name line, read as the game reads its Windows-1251 one.
Forms formsOf(const std::string& line) {
    const MonsterName name = parseMonsterName(cp1251(line).c_str());
    return {fromCp1251(name.nominative.text()), fromCp1251(name.accusative.text()),
            fromCp1251(name.instrumental.text()), name.feminine};
}

void expectForms(const std::string& line, const Forms& expected) {
    SCOPED_TRACE("name line \"" + line + "\"");
    const Forms forms = formsOf(line);
    EXPECT_EQ(forms.nominative, expected.nominative);
    EXPECT_EQ(forms.accusative, expected.accusative);
    EXPECT_EQ(forms.instrumental, expected.instrumental);
    EXPECT_EQ(forms.feminine, expected.feminine);
}

TEST(MonsterName, APlainLineIsEveryFormExactlyAsWritten) {
    expectForms("Кикимора", {"Кикимора", "Кикимора", "Кикимора", false});
    // Spaces are kept where no bar stands: the name is what it always was.
    expectForms("  Бес ", {"  Бес ", "  Бес ", "  Бес ", false});
    expectForms("", {"", "", "", false});
}

TEST(MonsterName, FormsAndTheFeminineMark) {
    expectForms("Болотная пиявка|болотную пиявку|болотной пиявкой|ж",
                {"Болотная пиявка", "болотную пиявку", "болотной пиявкой", true});
    expectForms("Адская гончая|адскую гончую|адской гончей|Ж",
                {"Адская гончая", "адскую гончую", "адской гончей", true});
    expectForms("Бес|беса|бесом", {"Бес", "беса", "бесом", false});
    // Spaces next to a bar belong to no form.
    expectForms(" Бес | беса |бесом  |  ж ", {"Бес", "беса", "бесом", true});
}

TEST(MonsterName, MissingOrEmptyFormsAreTheNominativeAndTheNameMasculine) {
    expectForms("Бес|", {"Бес", "Бес", "Бес", false});
    expectForms("Бес|беса", {"Бес", "беса", "Бес", false});
    expectForms("Бес||бесом", {"Бес", "Бес", "бесом", false});
    expectForms("Жаба|||ж", {"Жаба", "Жаба", "Жаба", true});
    expectForms("Бес| |  |", {"Бес", "Бес", "Бес", false});
    // Only ж marks a feminine name; any other mark leaves it masculine.
    expectForms("Бес|беса|бесом|м", {"Бес", "беса", "бесом", false});
    expectForms("Бес|беса|бесом|жен", {"Бес", "беса", "бесом", false});
    // Fields after the fourth are not read.
    expectForms("Жаба|жабу|жабой|ж|лишнее|и ещё", {"Жаба", "жабу", "жабой", true});
}

TEST(MonsterName, DamagedLinesGiveEmptyFormsAndNeverMore) {
    expectForms("|", {"", "", "", false});
    expectForms(std::string(100, '|'), {"", "", "", false});
    expectForms("||||ж", {"", "", "", false});
    // With no nominative, the given forms still serve their sentences.
    expectForms("|беса|бесом|ж", {"", "беса", "бесом", true});
}

std::string spriteFileNamed(const std::vector<std::string>& names) {
    std::string text = std::to_string(names.size()) + "\n";
    for (const std::string& name : names) {
        for (int row = 0; row < 10; ++row) {
            text += std::string(19, '=') + " \n";
        }
        text += cp1251(name) + "\n";
    }
    return text;
}

class MonsterNamesInTheCatalogue : public ConsoleTest {
  protected:
    TempDir dir;
};

TEST_F(MonsterNamesInTheCatalogue, EachMonsterHasTheFormsOfItsLineAndOthersNone) {
    dir.write("m.txt", "3 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
    dir.write("ms.txt", spriteFileNamed({"Жаба|жабу|жабой|ж", "Бес"}));
    MonsterCatalogue monsters(dir.file("ms.txt").c_str(), dir.file("m.txt").c_str());
    EXPECT_EQ(fromCp1251(monsters.name(0).text()), "Жаба");
    EXPECT_EQ(fromCp1251(monsters.nameForms(0).instrumental.text()), "жабой");
    EXPECT_TRUE(monsters.nameForms(0).feminine);
    EXPECT_EQ(fromCp1251(monsters.nameForms(1).accusative.text()), "Бес");
    EXPECT_FALSE(monsters.nameForms(1).feminine);
    // The third monster's numbers have no picture and no name line.
    for (int outside : {2, -1, 9}) {
        EXPECT_STREQ(monsters.nameForms(outside).nominative.text(), "") << outside;
        EXPECT_STREQ(monsters.nameForms(outside).accusative.text(), "") << outside;
        EXPECT_FALSE(monsters.nameForms(outside).feminine);
    }
}

TEST_F(MonsterNamesInTheCatalogue, FormsOfAnOverlongLineStopWhereTheLineIsCut) {
    // The reader keeps 255 characters of a name line; the forms are cut
    // with it, and what lies beyond (here the feminine mark) is lost.
    const std::string line = std::string(200, 'N') + "|" + std::string(100, 'A') + "|ins|ж";
    dir.write("m.txt", "1 10 1 1 1 1");
    dir.write("ms.txt", spriteFileNamed({line}));
    MonsterCatalogue monsters(dir.file("ms.txt").c_str(), dir.file("m.txt").c_str());
    const MonsterName& name = monsters.nameForms(0);
    EXPECT_EQ(std::string(name.nominative.text()), std::string(200, 'N'));
    EXPECT_EQ(std::string(name.accusative.text()), std::string(255 - 201, 'A'));
    EXPECT_EQ(std::string(name.instrumental.text()), std::string(200, 'N'));
    EXPECT_FALSE(name.feminine);
}

}  // namespace
