#pragma once

#include <cstdint>

#include "console/printf_like.h"
#include "console/text_string.h"

class VirtualConsole;
struct FrameRecord;

// The console every drawing operation writes to; set by the game loop.
extern VirtualConsole* g_console;

// The record of the frame being drawn on g_console, where the code that
// draws notes what it means (a scratch one while there is no console).
FrameRecord& frameRecord();

// Prints a Windows-1251 text from (column, row). The text is never taken as
// a format; a line feed continues at column 0 of the next row.
void printAt(std::int16_t column, std::int16_t row, TextString text);
// printf-style output at the cursor, no positioning, bytes shown as the
// console's own code page (866). Used for box pieces and fixed messages.
void writeRaw(const char* format, ...) PRINTF_LIKE(1, 2);
void setColour(std::uint8_t colour);
// The bevelled outline of a box; its inside is left as it was.
void drawBox(int left, int top, int right, int bottom);
// The frame along the edges of the 80x49 screen; leaves colour 7 in force.
void drawFrame();
