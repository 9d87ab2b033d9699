#pragma once

#include <cstdint>

#include "core/screen.h"

// Мабунга, the second quest giver: greets the hero, asks for the scalp of
// Мудрый Моск and, once it is brought, tells the prophecy of the demon.
class IndianScreen : public Screen {
  public:
    IndianScreen();
    void run();

    // 0 greeting, 1 first answer, 2 scalp requested, 3 to 5 the prophecy.
    std::int32_t step = 0;
};
