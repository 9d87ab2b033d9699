#pragma once

#include <string>

class VirtualConsole;

// What the frame loop needs from the outside world: show the console to the
// player, and wait for one key. Each platform backend implements it for the
// real console (see port.h); tests and tools, with scripted keys.
class GameIo {
  public:
    static constexpr int END_OF_INPUT = -1;

    virtual ~GameIo() = default;
    // Called just before every key wait and once when the game ends.
    virtual void present(const VirtualConsole& console) = 0;
    // One key byte (0 to 255), or END_OF_INPUT when no key can come any more.
    virtual int readKey() = 0;
    // Empty while all is well; else why the game could not go on (its
    // screen could not be written), for the player on standard error.
    virtual std::string failure() const { return {}; }
};
