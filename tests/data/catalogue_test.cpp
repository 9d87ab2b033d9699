#include "data/missing_file.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

std::string spriteFile(const std::string& name) {
    std::string text = "1\n";
    for (int row = 0; row < 10; ++row) {
        text += std::string(19, '=') + " \n";
    }
    return text + name + "\n";
}

class CatalogueTest : public ConsoleTest {
  protected:
    std::string path(const std::string& name) const { return dir.file(name); }
    TempDir dir;
};

TEST_F(CatalogueTest, WeaponNumbersInAnyLayout) {
    dir.write("w.txt", "2\n1 2\n3 4\n\n5 6");
    dir.write("ws.txt", spriteFile("Club"));
    WeaponCatalogue weapons(path("ws.txt").c_str(), path("w.txt").c_str());
    ASSERT_EQ(weapons.count(), 2);
    EXPECT_EQ(weapons.stats(0).damageMin, 1);
    EXPECT_EQ(weapons.stats(0).damageMax, 2);
    EXPECT_EQ(weapons.stats(0).price, 3);
    EXPECT_EQ(weapons.stats(1).damageMin, 4);
    EXPECT_EQ(weapons.stats(1).price, 6);
}

TEST_F(CatalogueTest, WeaponCardShowsNameAndAttackOverThePicture) {
    dir.write("w.txt", "1 3 7 10");
    dir.write("ws.txt", spriteFile("A very long weapon name that runs on"));
    WeaponCatalogue weapons(path("ws.txt").c_str(), path("w.txt").c_str());
    weapons.draw(0, 4, 22);
    EXPECT_TRUE(hasTextAt(grid(), 4, 23, std::string(19, '=')));
    EXPECT_TRUE(hasTextAt(grid(), 4, 24, "A very long weapon name that runs on"));
    EXPECT_TRUE(hasTextAt(grid(), 4, 31, "    ATK : 3 - 7="));  // the picture shows behind
    EXPECT_TRUE(hasTextAt(grid(), 4, 32, std::string(19, '=')));
}

TEST_F(CatalogueTest, MonsterFieldsComeInTheFilesOrder) {
    dir.write("m.txt", "1\n30\n2\n5\n10\n20\n");
    dir.write("ms.txt", spriteFile("Toad"));
    MonsterCatalogue monsters(path("ms.txt").c_str(), path("m.txt").c_str());
    ASSERT_EQ(monsters.count(), 1);
    const MonsterStats& toad = monsters.stats(0);
    EXPECT_EQ(toad.hp, 30);
    EXPECT_EQ(toad.maxHp, 30);
    EXPECT_EQ(toad.damageMin, 2);
    EXPECT_EQ(toad.damageMax, 5);
    EXPECT_EQ(toad.rewardMin, 10);
    EXPECT_EQ(toad.rewardMax, 20);
    EXPECT_STREQ(monsters.name(0).text(), "Toad");
}

TEST_F(CatalogueTest, ShortDataReadsZerosAndOutsideIndexesReadZeros) {
    dir.write("m.txt", "2 30 2");
    dir.write("ms.txt", spriteFile("Toad"));
    MonsterCatalogue monsters(path("ms.txt").c_str(), path("m.txt").c_str());
    ASSERT_EQ(monsters.count(), 2);
    EXPECT_EQ(monsters.stats(0).damageMax, 0);
    EXPECT_EQ(monsters.stats(1).hp, 0);
    monsters.stats(9).hp = 99;  // writes outside the catalogue go nowhere
    EXPECT_EQ(monsters.stats(9).hp, 0);
    EXPECT_EQ(monsters.stats(-1).maxHp, 0);
    EXPECT_STREQ(monsters.name(5).text(), "");
}

TEST_F(CatalogueTest, MissingFilesAreReportedOneAfterTheOther) {
    takeMissingFileReports();
    console.moveCursor(0, 5);
    WeaponCatalogue weapons("NoSprites.txt", "NoData.txt");
    EXPECT_EQ(rowText(grid(), 5), "File NoSprites.txt not foundFile NoData.txt not found");
    // What was shown is also kept, report by report, and handed out once.
    EXPECT_EQ(takeMissingFileReports(), (std::vector<std::string>{"File NoSprites.txt not found",
                                                                  "File NoData.txt not found"}));
    EXPECT_TRUE(takeMissingFileReports().empty());
    EXPECT_EQ(weapons.count(), 0);
    weapons.draw(0, 4, 22);  // still draws its card, with zeros
    EXPECT_TRUE(hasTextAt(grid(), 4, 31, "    ATK : 0 - 0"));
}

TEST_F(CatalogueTest, MissingDataStillLoadsThePictures) {
    dir.write("ms.txt", spriteFile("Toad"));
    MonsterCatalogue monsters(path("ms.txt").c_str(), "NoData.txt");
    EXPECT_EQ(monsters.count(), 0);
    monsters.draw(0, 43, 11);
    EXPECT_TRUE(hasTextAt(grid(), 43, 12, std::string(19, '=')));
}

}  // namespace
