#pragma once

#include <cstdint>
#include <memory>

#include "console/text_string.h"
#include "data/drawable.h"
#include "data/monster_name.h"
#include "data/sprite_sheet.h"

struct MonsterStats {
    std::int32_t hp = 0;
    std::int32_t maxHp = 0;
    std::int32_t rewardMin = 0;
    std::int32_t rewardMax = 0;
    std::int32_t damageMin = 0;
    std::int32_t damageMax = 0;
};

// The monsters: hit points, damage and reward ranges from the statistics
// file (hp, damage min, damage max, reward min, reward max per monster),
// pictures and names (with the forms of monster_name.h) from the sprite
// file. Current hit points change during play. An index outside the
// catalogue reads as a monster of all zeros with an empty name, and writes
// to it go nowhere.
class MonsterCatalogue : public Drawable {
  public:
    MonsterCatalogue(TextString spritePath, TextString dataPath);

    // The monster's picture only.
    void draw(std::int32_t index, std::int32_t column, std::int32_t row) override;

    std::int32_t count() const { return count_; }
    MonsterStats& stats(std::int32_t index);
    // The name in the nominative, and in all its forms.
    const TextString& name(std::int32_t index) const { return nameForms(index).nominative; }
    const MonsterName& nameForms(std::int32_t index) const;
    const SpriteSheet& sheet() const { return sheet_; }

  private:
    std::unique_ptr<MonsterStats[]> stats_;
    std::int32_t count_ = 0;
    MonsterStats outside_;  // stands in for any index the file did not hold
    SpriteSheet sheet_;
    std::unique_ptr<MonsterName[]> names_;  // one per sprite of sheet_
};
