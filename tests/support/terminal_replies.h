#pragma once

#include <string>

// A terminal's answers to the game's start-up questions: synchronized
// updates kept whole (DECRPM for mode 2026), and its primary attributes (DA1).
inline const std::string SUPPORTED = "\x1b[?2026;2$y";
inline const std::string DA1 = "\x1b[?62;22c";
