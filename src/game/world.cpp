#include "game/world.h"

#include <memory>

#include "core/game_state.h"
#include "core/hero.h"
#include "data/monster_catalogue.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"
#include "screens/battle_screen.h"
#include "screens/shared_screens.h"
#include "screens/story_screen.h"

void createWorld() {
    g_npcSprites = std::make_unique<SpriteSheet>("NPC.txt");
    g_weapons = std::make_unique<WeaponCatalogue>("SpriteWeapon.txt", "DataWeapon.txt");
    g_itemSprites = std::make_unique<SpriteSheet>("SpriteStuff.txt");
    g_monsters = std::make_unique<MonsterCatalogue>("SpriteMonster.txt", "DataMonster.txt");
    g_hero = std::make_unique<Hero>();
    g_battle = std::make_unique<BattleScreen>();
    g_story = std::make_unique<StoryScreen>();
}

void destroyWorld() {
    g_story.reset();
    g_battle.reset();
    g_hero.reset();
    g_monsters.reset();
    g_itemSprites.reset();
    g_weapons.reset();
    g_npcSprites.reset();
}
