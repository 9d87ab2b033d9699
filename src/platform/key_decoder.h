#pragma once

#include <string>

// Turns the bytes a terminal sends into the key bytes the game expects from
// the console's single-key read: the arrow sequences (CSI A/B, SS3 A/B)
// become the pair 224, 72 or 224, 80, a lone line feed counts as Enter (13),
// and every other escape sequence is swallowed whole. So that 224 only ever
// starts an arrow, a byte 224 the terminal sends is dropped. It never gives
// more keys than it was fed bytes, and a control key such as Enter always
// comes through at once, whatever came before it.
class KeyDecoder {
  public:
    // Feeds one terminal byte; appends the resulting key bytes (often none).
    void feed(unsigned char byte, std::string& keys);
    // The terminal went quiet in the middle of an escape: a lone Escape key
    // becomes the key 27, an unfinished sequence is dropped.
    void flush(std::string& keys);
    bool pending() const { return state_ != State::Plain; }

  private:
    enum class State { Plain, Escape, Csi, Ss3 };
    void finishSequence(unsigned char final, std::string& keys);

    State state_ = State::Plain;
};
