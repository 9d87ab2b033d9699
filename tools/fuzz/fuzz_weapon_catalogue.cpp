// Any bytes as the weapons' statistics file, optionally followed by their
// sprite file (see fuzz_support.h): loading, drawing every weapon card and
// rolling every damage range must stay sound.
#include <algorithm>

#include "core/dice.h"
#include "data/collection_limits.h"
#include "data/weapon_catalogue.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VirtualConsole console;
    fuzz::DrawingInto target(console);
    const fuzz::SplitInput files = fuzz::writeSplit(data, size);
    WeaponCatalogue weapons(files.spritePath.c_str(), files.statsPath.c_str());

    if (weapons.count() < 0 || weapons.count() > MAX_COLLECTION_COUNT) {
        __builtin_trap();
    }
    const std::int32_t last = std::max(weapons.count(), weapons.sheet().count()) + 2;
    for (std::int32_t i = -2; i < last; ++i) {
        fuzz::drawEntry(weapons, i, last);
        fuzz::printName(weapons.name(i).text());
        const WeaponStats& weapon = weapons.stats(i);
        const std::int32_t blow = rollBetween(weapon.damageMin, weapon.damageMax);
        if (blow < std::min(weapon.damageMin, weapon.damageMax) ||
            blow > std::max(weapon.damageMin, weapon.damageMax)) {
            __builtin_trap();
        }
        saturatingSubtract(saturatingSubtract(50, blow), weapon.price);
    }
    return 0;
}
