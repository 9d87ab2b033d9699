#include "curses_presenter.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <sys/socket.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int SOCKET_BUFFER = 1 << 20;

// Console attribute bits are blue 1, green 2, red 4, bright 8; curses
// numbers the colours as ANSI does (red 1, green 2, blue 4, bright +8).
short cursesColour(int attribute) {
    return static_cast<short>(((attribute & 1) << 2) | (attribute & 2) | ((attribute & 4) >> 2) |
                              (attribute & 8));
}

}  // namespace

CursesPresenter::CursesPresenter() {
    std::setlocale(LC_ALL, "C.UTF-8");
    // The frame's size, whatever the (absent) terminal would say.
    setenv("LINES", std::to_string(VirtualConsole::ROWS).c_str(), 1);
    setenv("COLUMNS", std::to_string(VirtualConsole::COLUMNS).c_str(), 1);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET, 0, ends) != 0) {
        throw std::runtime_error("socketpair failed");
    }
    writeEnd_ = ends[0];
    readEnd_ = ends[1];
    setsockopt(writeEnd_, SOL_SOCKET, SO_SNDBUF, &SOCKET_BUFFER, sizeof SOCKET_BUFFER);
    setsockopt(readEnd_, SOL_SOCKET, SO_RCVBUF, &SOCKET_BUFFER, sizeof SOCKET_BUFFER);
    out_ = fdopen(writeEnd_, "w");
    in_ = std::fopen("/dev/null", "r");
    screen_ = newterm("xterm-256color", out_, in_);
    if (screen_ == nullptr) {
        throw std::runtime_error("newterm failed: is the xterm-256color terminfo installed?");
    }
    start_color();
    for (int attribute = 0; attribute < 16; ++attribute) {
        init_pair(static_cast<short>(attribute + 1), cursesColour(attribute), COLOR_BLACK);
    }
    refresh();
    startup_ = drain();
}

CursesPresenter::~CursesPresenter() {
    endwin();
    delscreen(screen_);
    std::fclose(out_);
    std::fclose(in_);
    close(readEnd_);
}

CursesPresenter::Output CursesPresenter::render(const VirtualConsole::Grid& grid) {
    cchar_t row[VirtualConsole::COLUMNS];
    for (int r = 0; r < VirtualConsole::ROWS; ++r) {
        for (int c = 0; c < VirtualConsole::COLUMNS; ++c) {
            const VirtualConsole::Cell& cell = grid[r * VirtualConsole::COLUMNS + c];
            const wchar_t text[2] = {static_cast<wchar_t>(cell.ch), L'\0'};
            setcchar(&row[c], text, A_NORMAL, static_cast<short>(cell.colour % 16 + 1), nullptr);
        }
        mvadd_wchnstr(r, 0, row, VirtualConsole::COLUMNS);
    }
    refresh();
    return drain();
}

CursesPresenter::Output CursesPresenter::drain() {
    Output output;
    if (keep_) {
        last_.clear();
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = recv(readEnd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got <= 0) {
            break;
        }
        output.bytes += static_cast<std::size_t>(got);
        ++output.writes;
        if (keep_) {
            last_.append(buffer, static_cast<std::size_t>(got));
        }
    }
    return output;
}
