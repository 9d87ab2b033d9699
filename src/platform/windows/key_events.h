#pragma once

#include <windows.h>

#include <string>

// What one console key event means to the game, as the bytes its key read
// delivers: Up and Down as 224 then 72 or 80, Enter as 13, any other key as
// its character's Windows-1251 byte, repeated as often as the key repeated.
// Key releases, keys without a character (Shift, F1, Left) and characters
// Windows-1251 has no byte for give nothing.
std::string keyBytes(const KEY_EVENT_RECORD& event);
