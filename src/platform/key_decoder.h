#pragma once

#include <string>

// Turns the bytes a terminal sends into the key bytes the game expects from
// the console's single-key read: the arrow sequences (CSI A/B, SS3 A/B)
// become the pair 224, 72 or 224, 80, a lone line feed counts as Enter (13),
// other CSI and SS3 sequences are swallowed up to their final byte, a
// control string (OSC, DCS, APC, PM or SOS: ESC ], P, _, ^ or X, then its
// text) up to its terminator, ST (ESC \) or BEL, and Escape before any
// other key (Alt plus that key) is the key alone. A character typed as
// UTF-8 (a Cyrillic letter, say) is one key: its Windows-1251 byte, as the
// Windows console delivers it, or no key when that code page has none.
// Bytes that make no UTF-8 character (a stray continuation byte, a sequence
// cut short or malformed) are one key at most: the first of them, taken for
// a Windows-1251 byte, as keys piped in from a Windows-1251 file are; 224
// comes only with an arrow or the letter а, never from a stray byte. It
// never gives more keys than it was fed bytes, and a control key such as
// Enter always comes through at once, whatever came before it.
class KeyDecoder {
  public:
    // Feeds one terminal byte; appends the resulting key bytes (often none).
    void feed(unsigned char byte, std::string& keys);
    // The terminal went quiet in the middle of an escape or a character: a
    // lone Escape key becomes the key 27, an unfinished character its first
    // byte, an unfinished sequence is dropped.
    void flush(std::string& keys);
    bool pending() const { return state_ != State::Plain; }

    // The most text of a control string swallowed. A terminal's replies
    // are far shorter; a string still open past it counts as broken off and
    // the bytes after it are keys again, so that a stray introducer (Alt+P
    // in a script of piped keys, say) cannot eat all the keys after it.
    static constexpr int MAX_STRING = 1024;

  private:
    enum class State { Plain, Escape, Csi, Ss3, String, StringEscape, Utf8 };
    void inString(unsigned char byte, std::string& keys);
    void finishSequence(unsigned char final, std::string& keys);
    void startCharacter(unsigned char lead, std::string& keys);
    void continueCharacter(unsigned char byte, std::string& keys);
    // A byte that is no part of a character, as a key (224 is none).
    void rawKey(unsigned char byte, std::string& keys);

    State state_ = State::Plain;
    // The character being read: its first byte, what it adds up to so far,
    // and how many continuation bytes it lacks.
    unsigned char lead_ = 0;
    char32_t character_ = 0;
    int missing_ = 0;
    char32_t least_ = 0;    // the smallest character of its length (no overlong forms)
    int stringLength_ = 0;  // the bytes of the control string read so far
};
