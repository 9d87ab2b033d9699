#include "screens/shared_screens.h"

#include "screens/battle_screen.h"
#include "screens/story_screen.h"

std::unique_ptr<BattleScreen> g_battle;
std::unique_ptr<StoryScreen> g_story;
