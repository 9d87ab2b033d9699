#pragma once

#include <memory>

class BattleScreen;
class StoryScreen;

// The two screens that other screens write into: the hunting grounds choose
// the battle's monster, the battle's outcome turns the story to an ending.
// The game creates them with the rest of the world.
extern std::unique_ptr<BattleScreen> g_battle;
extern std::unique_ptr<StoryScreen> g_story;
