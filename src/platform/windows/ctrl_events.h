#pragma once

// Ctrl-C, Ctrl-Break, closing the console window, logging off and shutting
// down end the game at once with status 0, after restore() has given the
// player's console back. The system runs the handler on a thread of its
// own, perhaps while the game thread is drawing a frame: whoever changes
// the console holds a ConsoleLock, so the handler restores between two
// frames, and once it has, the game thread never draws again.
void endGameOnCtrlEvents(void (*restore)());
void stopEndingOnCtrlEvents();

class ConsoleLock {
  public:
    ConsoleLock();
    ~ConsoleLock();
    ConsoleLock(const ConsoleLock&) = delete;
    ConsoleLock& operator=(const ConsoleLock&) = delete;
};
