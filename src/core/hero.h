#pragma once

#include <cstdint>

// The player character. Screens change the fields directly, each keeping its
// own rules (a potion never heals above maxHp, the shop stops at the best
// weapon); the record itself enforces nothing.
class Hero {
  public:
    std::int32_t money = 500;
    std::int32_t hp = 50;
    std::int32_t maxHp = 50;
    std::int32_t weapon = 0;
    std::int32_t potions = 1;
    std::int32_t trophy = 0;      // the quest item carried, see quest.h
    std::int32_t questTaken = 0;  // 1 while a quest giver waits for an item

    // The status column on the left of every frame: portrait, name, hit
    // points, money, weapon card, potions, trophy and the six boxes,
    // including the message box the screens write into.
    void drawStatusPanel();

  private:
    // What the status column shows, in the frame's record.
    void noteStatus() const;
};

// The colour hit points are shown in: red below a third, brown below two
// thirds, green above.
std::uint8_t hitPointColour(std::int32_t hp, std::int32_t maxHp);
