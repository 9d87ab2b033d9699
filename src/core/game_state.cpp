#include "core/game_state.h"

#include "core/hero.h"
#include "data/monster_catalogue.h"
#include "data/sprite_sheet.h"
#include "data/weapon_catalogue.h"

ScreenId g_screen = SCREEN_STORY;
unsigned char g_key = 0;
unsigned char g_forceWait = 0;
std::int32_t g_questStage = 0;

std::unique_ptr<SpriteSheet> g_npcSprites;
std::unique_ptr<WeaponCatalogue> g_weapons;
std::unique_ptr<SpriteSheet> g_itemSprites;
std::unique_ptr<MonsterCatalogue> g_monsters;
std::unique_ptr<Hero> g_hero;
