#include "data/weapon_catalogue.h"

#include "console/console_output.h"
#include "data/stats_reader.h"

namespace {

void readWeapon(DataFile& file, WeaponStats& weapon) {
    file.readInt(weapon.damageMin);
    file.readInt(weapon.damageMax);
    file.readInt(weapon.price);
}

}  // namespace

WeaponCatalogue::WeaponCatalogue(TextString spritePath, TextString dataPath) : sheet_(spritePath) {
    count_ = readStatsFile(dataPath.text(), stats_, readWeapon);
}

const WeaponStats& WeaponCatalogue::stats(std::int32_t index) const {
    static const WeaponStats NONE;
    return index >= 0 && index < count_ ? stats_[index] : NONE;
}

void WeaponCatalogue::draw(std::int32_t index, std::int32_t column, std::int32_t row) {
    const auto x = static_cast<std::int16_t>(column);
    sheet_.draw(index, column, row);
    printAt(x, static_cast<std::int16_t>(row + 2), name(index));
    printAt(x, static_cast<std::int16_t>(row + 9), "    ATK : ");
    const WeaponStats& weapon = stats(index);
    writeRaw("%i - %i", weapon.damageMin, weapon.damageMax);
}
