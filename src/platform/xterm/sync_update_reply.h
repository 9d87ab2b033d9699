#pragma once

#include <cstddef>
#include <string>

// Sorts what the terminal sends while the game waits at start-up for its
// answers: the reply to DECRQM for synchronized update (CSI ? 2026 ; Ps $ y,
// Ps 1 or 2 when the terminal knows the mode) and the reply to DA1
// (CSI ? ... c), which every terminal gives and gives after answering the
// questions before it, so that nothing more is to come. Everything else is
// what the player typed meanwhile; it goes on, in order, to the keys.
class SyncUpdateReply {
  public:
    // Takes bytes as they were read; appends those that are no reply's.
    void feed(const char* bytes, std::size_t size, std::string& keys);
    // The wait is over: the start of a reply held back goes to the keys
    // (the key decoder swallows the rest of it, should it come late).
    void finish(std::string& keys);

    bool answered() const { return answered_; }
    bool supported() const { return supported_; }

  private:
    void take(char byte, std::string& keys);
    void finishReply(char final);

    std::string pending_;  // what may be the start of a reply
    bool answered_ = false;
    bool supported_ = false;
};
