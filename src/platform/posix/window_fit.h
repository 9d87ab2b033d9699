#pragma once

#include "platform/posix/write_all.h"

// Makes room for the game's frame where the terminal allows it: a window
// smaller than the frame is asked to grow (the xterm window operation
// CSI 8 ; rows ; columns t), and when the game ends the window gets back
// the size it had, but only when the request is what changed it. A
// terminal that ignores the request (tmux, many emulators, xterm unless
// its window operations are allowed) is left as it is, and the game shows
// its small-window notice there as before.

// On the terminal behind `fd`: when it is smaller than columns x rows, asks
// it to grow to at least that (never narrower or lower than it is) and
// waits at most waitMs for it to do so, so that the first frame finds the
// room. True when the window changed size in that time. Call it once, at
// start-up.
bool growWindowToFit(int fd, int columns, int rows, int waitMs);

// Gives the window back the size growWindowToFit found, if the window now
// has the size it grew to while growWindowToFit waited, or the very size
// asked for (a terminal slower than the wait): any other size is the
// player's choice and is left alone. Does anything at most once. Async-
// signal-safe: the request was written out in advance, and only ioctl(),
// write() and sigaction() are called; a signal handler writes it AtOnce,
// never waiting for a terminal whose output is stopped.
void giveBackWindowSize(Writing how = Writing::Waiting);
