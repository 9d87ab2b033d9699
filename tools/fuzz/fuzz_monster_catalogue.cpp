// Any bytes as the monsters' statistics file, optionally followed by their
// sprite file (see fuzz_support.h): loading, drawing every monster, printing
// its name in every form and fighting each one as the battle does must stay
// sound.
#include <algorithm>

#include "core/dice.h"
#include "data/collection_limits.h"
#include "data/monster_catalogue.h"
#include "fuzz_support.h"

namespace {

bool within(std::int32_t value, std::int32_t a, std::int32_t b) {
    return value >= std::min(a, b) && value <= std::max(a, b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VirtualConsole console;
    fuzz::DrawingInto target(console);
    const fuzz::SplitInput files = fuzz::writeSplit(data, size);
    MonsterCatalogue monsters(files.spritePath.c_str(), files.statsPath.c_str());

    if (monsters.count() < 0 || monsters.count() > MAX_COLLECTION_COUNT) {
        __builtin_trap();
    }
    const std::int32_t last = std::max(monsters.count(), monsters.sheet().count()) + 2;
    for (std::int32_t i = -2; i < last; ++i) {
        fuzz::drawEntry(monsters, i, last);
        fuzz::printName(monsters.name(i).text());
        // Every form comes out of the name line, so none is longer than it.
        const MonsterName& forms = monsters.nameForms(i);
        const std::int32_t line = monsters.sheet().name(i).length();
        for (const TextString* form : {&forms.nominative, &forms.accusative, &forms.instrumental}) {
            if (form->length() > line) {
                __builtin_trap();
            }
            fuzz::printName(form->text());
        }

        // One exchange of blows and its reward, as the battle deals them.
        MonsterStats& monster = monsters.stats(i);
        monster.hp = monster.maxHp;
        const std::int32_t blow = rollBetween(monster.damageMin, monster.damageMax);
        const std::int32_t reward = rollBetween(monster.rewardMin, monster.rewardMax);
        if (!within(blow, monster.damageMin, monster.damageMax) ||
            !within(reward, monster.rewardMin, monster.rewardMax)) {
            __builtin_trap();
        }
        monster.hp = saturatingSubtract(monster.hp, blow);
        saturatingAdd(500, reward);
        if (i < 0 || i >= monsters.count()) {
            // Writes to a monster the file did not hold go nowhere.
            if (monsters.stats(i).hp != 0 || monsters.stats(i).maxHp != 0) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
