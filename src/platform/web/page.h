#pragma once

#include <string>

#include "platform/frame_record.h"
#include "platform/web/page_rows.h"

// The browser page the game runs in, as the game's console sees it
// (browser_page.cpp talks to the real one; tests bring their own).
class Page {
  public:
    virtual ~Page() = default;
    // Replaces the rows named in the update with its text and colours; the
    // other rows keep what they show; and hands over what the frame means.
    // Called once per frame, with no rows when nothing changed.
    virtual void showFrame(const RowUpdate& update, const FrameRecord& record) = 0;
    // Says words to the player at once (the status, the screen again), by
    // the page's live region.
    virtual void say(const std::string& words) = 0;
    // Waits for the next key the player pressed, without blocking the page,
    // and names it as the browser does (KeyboardEvent.key: "ArrowUp",
    // "Enter", "ж").
    virtual std::u16string nextKey() = 0;
    // The game has ended; its last frame stays on view.
    virtual void gameOver() = 0;
};
