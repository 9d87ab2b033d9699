#pragma once

#include <cstdint>
#include <memory>

#include "console/text_string.h"
#include "data/drawable.h"
#include "data/sprite_sheet.h"

struct WeaponStats {
    std::int32_t damageMin = 0;
    std::int32_t damageMax = 0;
    std::int32_t price = 0;
};

// The weapons: damage ranges and prices from the statistics file, pictures
// and names from the sprite file. The two are counted separately; an index
// outside either reads as zeros and an empty name, and draws nothing of it.
class WeaponCatalogue : public Drawable {
  public:
    WeaponCatalogue(TextString spritePath, TextString dataPath);

    // The weapon card: picture, name on its second row, attack range on its
    // ninth.
    void draw(std::int32_t index, std::int32_t column, std::int32_t row) override;

    std::int32_t count() const { return count_; }
    const WeaponStats& stats(std::int32_t index) const;
    const TextString& name(std::int32_t index) const { return sheet_.name(index); }
    const SpriteSheet& sheet() const { return sheet_; }

  private:
    std::unique_ptr<WeaponStats[]> stats_;
    std::int32_t count_ = 0;
    SpriteSheet sheet_;
};
