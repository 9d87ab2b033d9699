#pragma once

#include <cstdint>
#include <memory>

#include "core/screen_ids.h"

class Hero;
class SpriteSheet;
class WeaponCatalogue;
class MonsterCatalogue;

// The program-wide state through which the screens talk to one another.
// The game (src/game) creates and destroys all of it; screens only read and
// write. The two screens that other screens write into are in
// screens/shared_screens.h.
extern ScreenId g_screen;
extern unsigned char g_key;
extern unsigned char g_forceWait;
extern std::int32_t g_questStage;

extern std::unique_ptr<SpriteSheet> g_npcSprites;
extern std::unique_ptr<WeaponCatalogue> g_weapons;
extern std::unique_ptr<SpriteSheet> g_itemSprites;
extern std::unique_ptr<MonsterCatalogue> g_monsters;
extern std::unique_ptr<Hero> g_hero;
