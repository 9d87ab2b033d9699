#pragma once

#include <windows.h>

#include <string>

// Everything the game changes on the player's console, as it was before:
// the input and output modes, the cursor's size and visibility, the input
// and output code pages, the buffer and window sizes and the title. Only
// what could be read is put back.
class SavedConsole {
  public:
    SavedConsole(HANDLE input, HANDLE output);

    DWORD inputMode() const { return inputMode_; }
    // The buffer and the window, as they were.
    void restoreSize() const;
    // The rest: cursor, modes, code pages and title.
    void restoreSettings() const;

  private:
    HANDLE input_;
    HANDLE output_;
    bool haveInputMode_ = false;
    DWORD inputMode_ = 0;
    bool haveOutputMode_ = false;
    DWORD outputMode_ = 0;
    bool haveCursor_ = false;
    CONSOLE_CURSOR_INFO cursor_{};
    // The game draws through the wide-character calls and needs neither code
    // page, but the player's console must come back exactly as it was.
    UINT inputCodePage_ = 0;
    UINT outputCodePage_ = 0;
    bool haveSize_ = false;
    COORD bufferSize_{};
    SMALL_RECT window_{};
    bool haveTitle_ = false;
    std::wstring title_;
};
