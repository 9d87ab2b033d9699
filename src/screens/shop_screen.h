#pragma once

#include <cstdint>

#include "core/screen.h"

constexpr std::int32_t POTION_PRICE = 250;
constexpr std::int32_t LAST_WEAPON = 4;

// The shop: healing potions at a fixed price and, one step at a time, the
// next better weapon of the catalogue. The shopkeeper's last reply stays
// until the next purchase, across visits too.
class ShopScreen : public Screen {
  public:
    ShopScreen();
    void run();

  private:
    void buyPotion();
    void buyNextWeapon();
};
