#pragma once

#include <string>

#include "platform/game_io.h"
#include "platform/spoken_keys.h"
#include "platform/virtual_console.h"
#include "platform/web/page.h"

// The player's console in a browser page. Each frame goes to the page as
// the rows that changed since the frame before (all of them the first
// time), with the frame's record; keys come from the page as the
// console's key read gives them, and those of spoken_keys.h (H, R, a
// digit) are answered as a screen reader's player would have them. No key
// ends the game: a page can always send more. When the console closes, the
// game has ended, and the page is told so; its last frame stays on view.
class PageConsole : public GameIo {
  public:
    explicit PageConsole(Page& page) : page_(page) {}
    ~PageConsole() override;
    PageConsole(const PageConsole&) = delete;
    PageConsole& operator=(const PageConsole&) = delete;

    void present(const VirtualConsole& console) override;
    int readKey() override;

  private:
    Page& page_;
    VirtualConsole::Grid shown_{};
    bool haveShown_ = false;
    SpokenConsole spoken_;
};
