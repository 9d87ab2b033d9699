#pragma once

#include <cstdint>

#include "core/screen.h"

// One fight, turn by turn, against the monster the hunting grounds chose:
// attack (the monster strikes first, then the hero), drink a potion, or run.
// Every attack ends with checkOutcome, which pays, hands out trophies and
// leads to the endings.
class BattleScreen : public Screen {
  public:
    BattleScreen();
    void run();
    void checkOutcome();

    std::int32_t monsterIndex = 0;

  private:
    void attackExchange();
    void drinkPotion();
    void showEnemyHitPoints() const;
};
