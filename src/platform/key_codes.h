#pragma once

// Key bytes as the game reads them, one byte per read, whatever the
// platform: Enter is 13, and an arrow comes as the prefix byte 224 followed
// by its scan code (72 Up, 80 Down). Every backend delivers its keys so.
constexpr unsigned char KEY_ENTER = 13;
constexpr unsigned char KEY_UP = 72;
constexpr unsigned char KEY_DOWN = 80;
constexpr unsigned char KEY_ARROW_PREFIX = 224;
