#pragma once

#include <string>

// Asks the terminal at start-up whether it keeps a synchronized update
// (mode 2026) whole: DECRQM for the mode, then DA1, whose reply tells that
// no other is coming. It waits for that at most a moment; a terminal that
// says nothing in that time counts as one without the mode. Keys typed
// meanwhile are appended to `typed`, as read, for the key decoder. Nothing
// is asked when standard input or output is no terminal (keys piped in).
bool askSynchronizedUpdate(std::string& typed);

// The same on any pair of descriptors, waiting at most `waitMs`.
bool askSynchronizedUpdate(int input, int output, int waitMs, std::string& typed);
