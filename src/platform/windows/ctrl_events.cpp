#include "platform/windows/ctrl_events.h"

#include <windows.h>

namespace {

// A mutex, not a critical section: the handler must not wait forever on a
// game thread that is stuck in a write (a console in selection mode holds
// output back), since the system ends a closing console's process anyway.
const HANDLE g_lock = CreateMutexW(nullptr, FALSE, nullptr);
constexpr DWORD HANDLER_WAIT_MS = 2000;
void (*g_restore)() = nullptr;

BOOL WINAPI onCtrlEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            break;
        default:
            return FALSE;
    }
    // Kept until the process is gone: the game thread draws no more.
    WaitForSingleObject(g_lock, HANDLER_WAIT_MS);
    if (g_restore != nullptr) {
        g_restore();
    }
    // Nothing else runs: no exit handler can wait for a lock that the game
    // thread held when it was stopped. The game has nothing unsaved.
    TerminateProcess(GetCurrentProcess(), 0);
    return TRUE;
}

}  // namespace

ConsoleLock::ConsoleLock() {
    WaitForSingleObject(g_lock, INFINITE);
}

ConsoleLock::~ConsoleLock() {
    ReleaseMutex(g_lock);
}

void endGameOnCtrlEvents(void (*restore)()) {
    ConsoleLock lock;
    g_restore = restore;
    SetConsoleCtrlHandler(onCtrlEvent, TRUE);
}

void stopEndingOnCtrlEvents() {
    ConsoleLock lock;
    SetConsoleCtrlHandler(onCtrlEvent, FALSE);
    g_restore = nullptr;
}
