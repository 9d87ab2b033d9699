#pragma once

#include <string>

// What one key the page reports (KeyboardEvent.key) means to the game, as
// the bytes its key read delivers: Up and Down as 224 then 72 or 80, Enter
// (the keypad's too) as 13, Escape and Backspace as their control codes, a
// typed character as its Windows-1251 byte. Keys without a character
// (Shift, F1, ArrowLeft) and characters Windows-1251 has no byte for give
// nothing.
std::string keyBytes(const std::u16string& key);
