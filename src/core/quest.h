#pragma once

#include <cstdint>

// The story's fixed points. g_questStage (game_state.h) walks 0 -> 1 -> 2:
// the seer's frog's-paw errand, the Indian's scalp errand, the final fight.
constexpr std::int32_t QUEST_STAGE_SEER = 0;
constexpr std::int32_t QUEST_STAGE_INDIAN = 1;
constexpr std::int32_t QUEST_STAGE_FINAL = 2;

// Hero::trophy values, which are also the item pictures' indexes.
constexpr std::int32_t TROPHY_NONE = 0;
constexpr std::int32_t TROPHY_FROG_PAW = 1;
constexpr std::int32_t TROPHY_SCALP = 2;

// Monsters of the catalogue the story relies on.
constexpr std::int32_t MONSTER_FROG_PAW_OWNER = 2;
constexpr std::int32_t MONSTER_WISE_MOSK = 5;
constexpr std::int32_t MONSTER_DEMON = 8;
constexpr std::int32_t MONSTERS_PER_STAGE = 3;

// First pages of the two endings on the story screen.
constexpr std::int32_t VICTORY_PAGE = 5;
constexpr std::int32_t DEATH_PAGE = 12;
