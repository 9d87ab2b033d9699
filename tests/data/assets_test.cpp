#include <gtest/gtest.h>

#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"
#include "screens/fight_messages.h"
#include "screens/shop_screen.h"
#include "support/console_fixture.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

// The data files as checked out, loaded the way the game loads them: the
// counts, names and numbers the screens rely on must all be there.
class Assets : public ConsoleTest {
  protected:
    WorkingDirectory here{assetsDir()};
};

void expectFullSprites(const SpriteSheet& sheet, int count, const char* file) {
    ASSERT_EQ(sheet.count(), count) << file;
    for (int i = 0; i < count; ++i) {
        EXPECT_GT(sheet.name(i).length(), 0) << file << " sprite " << i;
        int inkedRows = 0;
        for (const auto& row : sheet.sprite(i)->rows) {
            const std::string text(row);
            EXPECT_EQ(text.find('\n'), std::string::npos) << file << " sprite " << i;
            EXPECT_LE(text.size(), 19u);
            inkedRows += text.find_first_not_of(' ') != std::string::npos;
        }
        EXPECT_GE(inkedRows, 4) << file << " sprite " << i << " is nearly empty";
    }
}

TEST_F(Assets, SpriteFilesHoldEveryPictureTheGameDraws) {
    expectFullSprites(SpriteSheet("NPC.txt"), 5, "NPC.txt");
    expectFullSprites(SpriteSheet("SpriteStuff.txt"), 3, "SpriteStuff.txt");
    expectFullSprites(SpriteSheet("SpriteWeapon.txt"), 5, "SpriteWeapon.txt");
    expectFullSprites(SpriteSheet("SpriteMonster.txt"), 9, "SpriteMonster.txt");
    EXPECT_EQ(rowText(grid(), 0), "") << "a loader reported a problem";
}

TEST_F(Assets, WeaponsGetBetterAndDearerAndTheirOffersFitTheMessageBox) {
    WeaponCatalogue weapons("SpriteWeapon.txt", "DataWeapon.txt");
    ASSERT_EQ(weapons.count(), LAST_WEAPON + 1);
    for (int i = 0; i <= LAST_WEAPON; ++i) {
        const WeaponStats& w = weapons.stats(i);
        EXPECT_GT(w.damageMin, 0);
        EXPECT_LE(w.damageMin, w.damageMax);
        if (i > 0) {
            EXPECT_GT(w.damageMin, weapons.stats(i - 1).damageMin);
            EXPECT_GT(w.damageMax, weapons.stats(i - 1).damageMax);
            EXPECT_GT(w.price, weapons.stats(i - 1).price);
            // "N - Купить "name" за price рублей" from column 32 must end by column 76.
            const std::string offer = "3 - Купить \"" + fromCp1251(weapons.name(i).text()) +
                                      "\" за " + std::to_string(w.price) + " рублей";
            EXPECT_LE(decodeUtf8(offer).size(), 45u) << offer;
        }
        // The card's name stays inside the weapon box (columns 4 to 25).
        EXPECT_LE(weapons.name(i).length(), 22) << i;
    }
}

TEST_F(Assets, MonstersHaveSoundRangesAndTheStoryNames) {
    MonsterCatalogue monsters("SpriteMonster.txt", "DataMonster.txt");
    ASSERT_EQ(monsters.count(), 9);
    for (int i = 0; i < 9; ++i) {
        const MonsterStats& m = monsters.stats(i);
        EXPECT_GT(m.hp, 0) << i;
        EXPECT_EQ(m.hp, m.maxHp);
        EXPECT_LE(m.damageMin, m.damageMax) << i;
        EXPECT_LE(m.rewardMin, m.rewardMax) << i;
        EXPECT_GT(m.rewardMin, 0) << i;
    }
    EXPECT_EQ(fromCp1251(monsters.name(MONSTER_WISE_MOSK).text()), "Мудрый Моск");
    EXPECT_EQ(fromCp1251(monsters.nameForms(MONSTER_WISE_MOSK).accusative.text()), "Мудрого Моска");
    EXPECT_EQ(fromCp1251(monsters.name(MONSTER_DEMON).text()), "Монтакулус");
    // The demon is the strongest enemy of all.
    for (int i = 0; i < MONSTER_DEMON; ++i) {
        EXPECT_LT(monsters.stats(i).maxHp, monsters.stats(MONSTER_DEMON).maxHp);
    }
}

// Every monster's name line gives its forms, and the fight's sentences with
// the largest numbers stay on their row: the blows and the kill above the
// message box end by column 78, the title inside it by column 76.
TEST_F(Assets, EveryMonsterHasItsFormsAndItsSentencesFitTheirRows) {
    MonsterCatalogue monsters("SpriteMonster.txt", "DataMonster.txt");
    WeaponCatalogue weapons("SpriteWeapon.txt", "DataWeapon.txt");
    const std::int32_t strongestBlow = weapons.stats(LAST_WEAPON).damageMax;
    for (int i = 0; i < monsters.count(); ++i) {
        SCOPED_TRACE("monster " + std::to_string(i));
        const MonsterName& name = monsters.nameForms(i);
        EXPECT_TRUE(name.instrumentalGiven);
        EXPECT_STRNE(name.accusative.text(), "");
        const MonsterStats& m = monsters.stats(i);
        for (const TextString& blow :
             {monsterBlowMessage(name, m.damageMax), heroBlowMessage(name, strongestBlow, true),
              killMessage(name, m.rewardMax)}) {
            EXPECT_LE(decodeUtf8(fromCp1251(blow.text())).size(), 48u) << fromCp1251(blow.text());
        }
        const std::string title = fromCp1251(battleTitle(name).text());
        EXPECT_LE(decodeUtf8(title).size(), 46u) << title;
    }
}

TEST_F(Assets, TitleFitsTheScreenAndIsWindows1251) {
    const std::string title = readFile("Title.txt");
    ASSERT_FALSE(title.empty());
    int rows = 0;
    std::size_t start = 0;
    while (start < title.size()) {
        std::size_t end = title.find('\n', start);
        if (end == std::string::npos) {
            end = title.size();
        }
        EXPECT_LT(end - start, 80u) << "title row " << rows;
        ++rows;
        start = end + 1;
    }
    EXPECT_LE(rows, 48);
    // Windows-1251, not UTF-8: no byte pair of a UTF-8 Cyrillic letter.
    EXPECT_EQ(title.find("\xD0\x94"), std::string::npos);
    EXPECT_NE(title.find(cp1251("Нажмите любую клавишу")), std::string::npos);
}

}  // namespace
