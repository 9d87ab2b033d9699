#pragma once

#include <string>

// The keys every backend delivers alike, whatever its events look like:
// what the player pressed and the bytes the game's key read then gives.
// Each backend's test turns a case into its own event.
struct BackendKeyCase {
    enum Kind {
        UP_ARROW,
        DOWN_ARROW,
        ENTER_KEY,
        ESCAPE_KEY,
        CHARACTER,
        SHIFT,
        CONTROL,
        LEFT_ARROW,
        RIGHT_ARROW,
        F1,
        HOME
    };
    Kind kind;
    char16_t character;  // for CHARACTER
    std::string bytes;
};

inline const BackendKeyCase BACKEND_KEY_CASES[] = {
    {BackendKeyCase::UP_ARROW, 0, "\xE0\x48"},
    {BackendKeyCase::DOWN_ARROW, 0, "\xE0\x50"},
    {BackendKeyCase::ENTER_KEY, 0, "\r"},
    {BackendKeyCase::ESCAPE_KEY, 0, "\x1B"},
    // Characters become their Windows-1251 bytes, or nothing without one.
    {BackendKeyCase::CHARACTER, u'x', "x"},
    {BackendKeyCase::CHARACTER, u' ', " "},
    {BackendKeyCase::CHARACTER, u'ж', "\xE6"},
    {BackendKeyCase::CHARACTER, u'Ё', "\xA8"},
    {BackendKeyCase::CHARACTER, u'ä', ""},
    {BackendKeyCase::CHARACTER, u'中', ""},
    // Keys without a character mean nothing to the game.
    {BackendKeyCase::SHIFT, 0, ""},
    {BackendKeyCase::CONTROL, 0, ""},
    {BackendKeyCase::LEFT_ARROW, 0, ""},
    {BackendKeyCase::RIGHT_ARROW, 0, ""},
    {BackendKeyCase::F1, 0, ""},
    {BackendKeyCase::HOME, 0, ""},
};
