#pragma once

// Makes room for the game's frame where the terminal allows it: a window
// smaller than the frame is asked to grow (the xterm window operation
// CSI 8 ; rows ; columns t), and when the game ends the window gets back
// the size it had, but only when the request is what changed it. A
// terminal that ignores the request (tmux, many emulators, xterm unless
// its window operations are allowed) is left as it is, and the game shows
// its small-window notice there as before.

// On the terminal behind `fd`: when it is smaller than columns x rows, asks
// it to grow to at least that (never narrower or lower than it is) and
// waits at most waitMs for it to do so. True when the window changed size
// in that time; a size that comes later is the player's doing, not the
// game's, and is never given back. Call it once, at start-up.
bool growWindowToFit(int fd, int columns, int rows, int waitMs);

// Gives the window back the size growWindowToFit found, if it grew the
// window and the window is still the size it grew to (a size the player
// chose since is left alone). Does anything at most once. Async-signal-
// safe: the request was written out in advance, and only ioctl(), write()
// and sigaction() are called.
void giveBackWindowSize();
