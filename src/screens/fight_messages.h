#pragma once

#include <cstdint>
#include <string>

#include "console/text_string.h"
#include "data/monster_name.h"

// The fight's sentences about its monster, each with the name in the case
// the sentence needs and the verb agreeing with a feminine name.

// "Идет битва с " and the name in the instrumental; "со" where Russian
// asks for it before a given instrumental ("со скорпионом").
TextString battleTitle(const MonsterName& monster);
// The monster's blow: "%s ранил Джека на %i HP", "ранила" for a feminine name.
TextString monsterBlowMessage(const MonsterName& monster, std::int32_t damage);
// The hero's blow: "Джек ранил %s на %i HP" with the accusative, and
// " !CRIT!" after a blow of the weapon's maximum.
TextString heroBlowMessage(const MonsterName& monster, std::int32_t damage, bool critical);
// The hero's blow as a reader says it, in UTF-8: "!CRIT!" in words.
std::string spokenHeroBlow(const MonsterName& monster, std::int32_t damage, bool critical);
// The kill: "Джек убил %s, получив %i рублей" with the accusative and the
// word for roubles that agrees with the reward.
TextString killMessage(const MonsterName& monster, std::int32_t reward);
