#pragma once

#include <string>

#include "platform/frame_record.h"

// What the page needs of a frame's record, as JSON, to say the game and to
// find a choice under a finger without reading the grid: {"kind": "town",
// "lines": [...], "actions": [...], "menu": {"column", "left", "right",
// "rows", "choices", "highlighted"}, "over": false, "news": [...]}. The
// status and the screen said again are the game's answers to keys, which
// the page is told as they come. Texts are UTF-8, escaped as JSON asks.
std::string frameJson(const FrameRecord& record);
