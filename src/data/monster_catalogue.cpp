#include "data/monster_catalogue.h"

#include <new>

#include "data/stats_reader.h"

namespace {

void readMonster(DataFile& file, MonsterStats& monster) {
    // The file's order differs from the record's.
    file.readInt(monster.hp);
    file.readInt(monster.damageMin);
    file.readInt(monster.damageMax);
    file.readInt(monster.rewardMin);
    file.readInt(monster.rewardMax);
    monster.maxHp = monster.hp;
}

}  // namespace

MonsterCatalogue::MonsterCatalogue(TextString spritePath, TextString dataPath)
    : sheet_(spritePath) {
    names_.reset(new (std::nothrow) MonsterName[sheet_.count()]);
    for (std::int32_t i = 0; names_ && i < sheet_.count(); ++i) {
        names_[i] = parseMonsterName(sheet_.name(i));
    }
    count_ = readStatsFile(dataPath.text(), stats_, readMonster);
}

const MonsterName& MonsterCatalogue::nameForms(std::int32_t index) const {
    static const MonsterName NO_NAME;
    return names_ && sheet_.contains(index) ? names_[index] : NO_NAME;
}

MonsterStats& MonsterCatalogue::stats(std::int32_t index) {
    if (index >= 0 && index < count_) {
        return stats_[index];
    }
    outside_ = MonsterStats{};
    return outside_;
}

void MonsterCatalogue::draw(std::int32_t index, std::int32_t column, std::int32_t row) {
    sheet_.draw(index, column, row);
}
