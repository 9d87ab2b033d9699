#pragma once

#include <string>
#include <vector>

#include "platform/frame_record.h"

// Writes what a player who cannot see the grid hears of each frame shown,
// into the frame's record (FrameRecord::spoken): what a sighted player
// reads anew after the key just pressed, the hero's status, and the whole
// screen again. Every key is answered: by its blows, messages and changed
// numbers, or at least by the choice it leaves highlighted. A paragraph
// already heard on a screen the player comes back to is not said again
// unasked, nor a page twice; an answer to Enter is said every time, even
// in the same words as the last.
class Narrator {
  public:
    // The record of a frame about to be shown, after the key byte that led
    // to it (0 for none). The arrow's first byte is only half a key: its
    // frame gets no news, and the next frame's news covers both.
    void tell(FrameRecord& frame, unsigned char key);

  private:
    // What the last frame told showed, as far as news compare with it.
    struct Told {
        ScreenKind kind = ScreenKind::None;
        std::size_t notices = 0;
        std::string lines;   // its paragraph
        std::string choice;  // its highlighted choice, said
        int highlighted = -1;
        HeroRecord hero;
        EnemyRecord enemy;
    };

    std::vector<std::string> news(const FrameRecord& frame, const std::string& lines,
                                  const std::string& choice, unsigned char key);
    void tellNumbers(const FrameRecord& frame, std::vector<std::string>& said) const;
    // Whether the paragraph was heard on this kind of screen; notes it.
    bool heardBefore(ScreenKind kind, const std::string& lines);

    Told last_;
    // The paragraphs heard, each on its kind of screen.
    struct Heard {
        ScreenKind kind;
        std::string lines;
    };
    std::vector<Heard> heard_;
};
