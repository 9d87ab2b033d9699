#pragma once

#include "core/screen.h"

// "Действительно выйти?": "Угу" ends the game, "Неа" goes back to the town.
class ExitConfirmScreen : public Screen {
  public:
    ExitConfirmScreen();
    void run();
};
