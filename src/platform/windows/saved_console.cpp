#include "platform/windows/saved_console.h"

#include "platform/windows/console_window.h"

SavedConsole::SavedConsole(HANDLE input, HANDLE output) : input_(input), output_(output) {
    haveInputMode_ = GetConsoleMode(input_, &inputMode_);
    haveOutputMode_ = GetConsoleMode(output_, &outputMode_);
    haveCursor_ = GetConsoleCursorInfo(output_, &cursor_);
    inputCodePage_ = GetConsoleCP();
    outputCodePage_ = GetConsoleOutputCP();
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(output_, &info)) {
        haveSize_ = true;
        bufferSize_ = info.dwSize;
        window_ = info.srWindow;
    }
    // An empty title reads as 0 characters, as a failure does; the error
    // code tells them apart.
    wchar_t title[1024];
    SetLastError(ERROR_SUCCESS);
    const DWORD length = GetConsoleTitleW(title, sizeof title / sizeof title[0]);
    haveTitle_ = length > 0 || GetLastError() == ERROR_SUCCESS;
    title_.assign(title, length);
}

void SavedConsole::restoreSize() const {
    if (haveSize_) {
        resizeConsole(output_, bufferSize_, window_);
    }
}

void SavedConsole::restoreSettings() const {
    if (haveCursor_) {
        SetConsoleCursorInfo(output_, &cursor_);
    }
    if (haveOutputMode_) {
        SetConsoleMode(output_, outputMode_);
    }
    if (haveInputMode_) {
        SetConsoleMode(input_, inputMode_);
    }
    if (inputCodePage_ != 0) {
        SetConsoleCP(inputCodePage_);
    }
    if (outputCodePage_ != 0) {
        SetConsoleOutputCP(outputCodePage_);
    }
    if (haveTitle_) {
        SetConsoleTitleW(title_.c_str());
    }
}
