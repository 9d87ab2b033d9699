#pragma once

#include <string>

#include "platform/frame_record.h"

// A frame's record as JSON, for the page's script: what the page needs to
// say the game and to find a choice under a finger, without reading the
// grid. {"kind": "town", "lines": [...], "actions": [...], "menu":
// {"column", "rows", "widths", "choices", "highlighted"}, "hero": {...},
// "enemy": {...} or null, "over": false, "spoken": {"news": [...],
// "status", "screen"}}. Texts are UTF-8, escaped as JSON asks.
std::string frameJson(const FrameRecord& record);
