#pragma once

// Key bytes as the console's single-key read delivers them. An arrow comes
// as a prefix byte (224, or 0 for the keypad) followed by its scan code.
constexpr unsigned char KEY_ENTER = 13;
constexpr unsigned char KEY_UP = 0x48;
constexpr unsigned char KEY_DOWN = 0x50;
constexpr unsigned char KEY_ARROW_PREFIX = 224;
