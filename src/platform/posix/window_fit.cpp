#include "platform/posix/window_fit.h"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "platform/posix/no_stop_on_output.h"
#include "platform/posix/write_all.h"

namespace {

// How often the size is looked at while waiting for the window to grow.
constexpr int LOOK_EVERY_MS = 10;

// Everything giveBackWindowSize() reads, as plain data for a signal handler.
int g_fd = -1;
winsize g_found{};
winsize g_asked{};
winsize g_grownTo{};  // the size seen while waiting; zero when none came
char g_giveBack[32];
int g_giveBackSize = 0;
volatile sig_atomic_t g_asking = 0;

bool measure(int fd, winsize& size) {
    return ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0;
}

bool sameSize(const winsize& a, const winsize& b) {
    return a.ws_col == b.ws_col && a.ws_row == b.ws_row;
}

int resizeRequest(char* out, std::size_t room, int columns, int rows) {
    return std::snprintf(out, room, "\x1b[8;%d;%dt", rows, columns);
}

}  // namespace

bool growWindowToFit(int fd, int columns, int rows, int waitMs) {
    winsize found{};
    if (!measure(fd, found) || (found.ws_col >= columns && found.ws_row >= rows)) {
        return false;
    }
    winsize asked = found;
    asked.ws_col = static_cast<unsigned short>(std::max<int>(columns, found.ws_col));
    asked.ws_row = static_cast<unsigned short>(std::max<int>(rows, found.ws_row));
    char request[32];
    const int size = resizeRequest(request, sizeof request, asked.ws_col, asked.ws_row);
    g_giveBackSize = resizeRequest(g_giveBack, sizeof g_giveBack, found.ws_col, found.ws_row);
    g_fd = fd;
    g_found = found;
    g_asked = asked;
    g_grownTo = winsize{};
    g_asking = 1;
    if (!writeAll(fd, request, std::size_t(size))) {
        g_asking = 0;
        return false;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    winsize now = found;
    while (sameSize(now, found) && Clock::now() < deadline) {
        poll(nullptr, 0, LOOK_EVERY_MS);
        if (!measure(fd, now)) {
            return false;
        }
    }
    if (sameSize(now, found)) {
        return false;  // ignored, or slow: only the very size asked for counts then
    }
    g_grownTo = now;
    return true;
}

void giveBackWindowSize(Writing how) {
    if (!g_asking) {
        return;
    }
    g_asking = 0;
    winsize now{};
    if (!measure(g_fd, now) || sameSize(now, g_found) ||
        !(sameSize(now, g_grownTo) || sameSize(now, g_asked))) {
        return;  // as it was, or a size the player chose
    }
    // A game ending from the background may still write this: nothing of
    // it shows, and the player gets the window back all the same.
    const NoStopOnOutput noStop;
    writeOut(g_fd, g_giveBack, std::size_t(g_giveBackSize), how);
}
