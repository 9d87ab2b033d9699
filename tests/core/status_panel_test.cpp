#include "console/colours.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"
#include "support/console_fixture.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

// The panel drawn with the real data files, as the game loads them.
class StatusPanel : public ConsoleTest {
  protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        WorkingDirectory assets(assetsDir());
        g_npcSprites = std::make_unique<SpriteSheet>("NPC.txt");
        g_weapons = std::make_unique<WeaponCatalogue>("SpriteWeapon.txt", "DataWeapon.txt");
        g_itemSprites = std::make_unique<SpriteSheet>("SpriteStuff.txt");
        console.clear();
    }
    void TearDown() override {
        g_itemSprites.reset();
        g_weapons.reset();
        g_npcSprites.reset();
        ConsoleTest::TearDown();
    }
    const Grid& drawn() {
        console.clear();
        hero.drawStatusPanel();
        return grid();
    }

    Hero hero;
};

TEST_F(StatusPanel, HitPointColourThresholds) {
    const struct {
        int hp;
        std::uint8_t colour;
    } cases[] = {{50, COLOUR_GREEN}, {34, COLOUR_GREEN}, {33, COLOUR_BROWN}, {16, COLOUR_BROWN},
                 {15, COLOUR_RED},   {0, COLOUR_RED},    {-3, COLOUR_RED}};
    for (const auto& c : cases) {
        hero.hp = c.hp;
        EXPECT_EQ(hitPointColour(c.hp, 50), c.colour) << c.hp;
        const std::string shown = std::to_string(c.hp) + " / 50 HP";
        EXPECT_TRUE(hasColouredTextAt(drawn(), 8, 18, shown, c.colour)) << c.hp;
        EXPECT_EQ(console.colour(), COLOUR_GREY) << "the colour the panel found, back";
    }
}

TEST_F(StatusPanel, TrophyPictureOnlyWhileCarried) {
    const std::string emptyTrophyRow = textAt(drawn(), 16, 38, 10);
    EXPECT_EQ(emptyTrophyRow, std::string(10, ' '));
    hero.trophy = 1;
    const Grid& withPaw = drawn();
    bool anyInk = false;
    for (int row = 37; row <= 44; ++row) {
        anyInk = anyInk || textAt(withPaw, 16, row, 10) != std::string(10, ' ');
    }
    EXPECT_TRUE(anyInk);
    // The six boxes stand either way.
    EXPECT_TRUE(hasTextAt(withPaw, 15, 35, "O----------O"));
    EXPECT_TRUE(hasTextAt(withPaw, 2, 2, "O" + std::string(23, '-') + "O"));
    EXPECT_TRUE(hasTextAt(withPaw, 28, 46, "O" + std::string(48, '-') + "O"));
}

}  // namespace
