#pragma once

#include <signal.h>

// While it lives, touching a terminal whose foreground the shell has taken
// (writing to it, setting its modes) does not stop the game: SIGTTOU is
// ignored, and its old disposition comes back after. For the way out, when
// the game must finish whoever holds the terminal. Async-signal-safe: only
// sigaction().
class NoStopOnOutput {
  public:
    NoStopOnOutput() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGTTOU, &ignore, &previous_);
    }
    ~NoStopOnOutput() { sigaction(SIGTTOU, &previous_, nullptr); }
    NoStopOnOutput(const NoStopOnOutput&) = delete;
    NoStopOnOutput& operator=(const NoStopOnOutput&) = delete;

  private:
    struct sigaction previous_ {};
};
