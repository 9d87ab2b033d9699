#include "platform/windows/console_handles.h"

namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// A pipe or a file can hold a script of keys; NUL, a serial port or no
// handle at all holds none the player could mean.
bool holdsKeys(HANDLE handle) {
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_PIPE || type == FILE_TYPE_DISK;
}

HANDLE openConsole(const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

ConsoleHandles::ConsoleHandles()
    : input_(GetStdHandle(STD_INPUT_HANDLE)), output_(GetStdHandle(STD_OUTPUT_HANDLE)) {
    if (!isConsole(output_)) {
        const HANDLE console = openConsole(L"CONOUT$");
        if (console == INVALID_HANDLE_VALUE) {
            return;  // no console to draw on
        }
        output_ = console;
        ownOutput_ = true;
    }
    haveConsole_ = true;
    if (!isConsole(input_) && !holdsKeys(input_)) {
        const HANDLE console = openConsole(L"CONIN$");
        if (console != INVALID_HANDLE_VALUE) {
            input_ = console;
            ownInput_ = true;
        }
    }
}

ConsoleHandles::~ConsoleHandles() {
    if (ownInput_) {
        CloseHandle(input_);
    }
    if (ownOutput_) {
        CloseHandle(output_);
    }
}
