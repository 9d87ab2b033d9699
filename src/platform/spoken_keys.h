#pragma once

#include <string>

#include "platform/frame_record.h"

// The keys of the game told in words, where the player hears the game
// rather than sees it. The game's own keys stay: the arrows and Enter. H
// (Р on a Russian layout) says the hero's status and R (К) the whole
// screen again, without reaching the game; a digit moves the highlight to
// that choice, which the game then says, and Enter takes it. Any other key
// reaches the game as it is, as do H and R where they have nothing to say
// (on the title, any key goes on).

// What to do with a key typed: say words at once, or hand the game these
// key bytes instead (the key itself, or the arrows to a choice).
struct SpokenKey {
    std::string say;
    std::string keys;
};
SpokenKey spokenKey(unsigned char key, const FrameRecord& shown);

// What every console that tells the game in words does between the keys
// typed and the game: each key answered as spokenKey says, on the frame
// on view; an arrow's second byte never taken for a letter, whatever its
// code; and a frame's news said only where no key already typed makes a
// frame of its own after it, whose news then tells what they all did.
class SpokenConsole {
  public:
    // The frame about to be shown; true when its news are to be said now,
    // false while `typedAhead` or keys of a digit are still to come.
    bool show(const FrameRecord& frame, bool typedAhead);
    // A key byte as typed: what it stands for waits for the game; the
    // words to say at once instead, if any.
    std::string type(unsigned char key);
    bool hasKey() const { return !given_.empty(); }
    // The next key byte for the game; only when hasKey().
    unsigned char takeKey();
    // The next key byte for the game, from keys as typed (typed(): the next
    // byte, or -1 once none can come), words said by say(words); -1 once
    // no key can come.
    template <typename Typed, typename Say>
    int nextKey(Typed typed, Say say) {
        while (!hasKey()) {
            const int key = typed();
            if (key < 0) {
                return -1;
            }
            const std::string words = type(static_cast<unsigned char>(key));
            if (!words.empty()) {
                say(words);
            }
        }
        return takeKey();
    }

  private:
    // The record of the frame on view, which its console keeps until the
    // next frame, drawn after the key is read.
    const FrameRecord* shown_ = nullptr;
    std::string given_;  // for the game: a typed key, or what it stands for
    bool afterArrowPrefix_ = false;
};

// The first line of the screen-reader mode, which names its keys (UTF-8).
extern const char SCREEN_READER_KEYS[];
