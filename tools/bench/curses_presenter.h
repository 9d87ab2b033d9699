#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/virtual_console.h"

struct screen;

// ncurses as the reference a terminal library reaches: a screen opened with
// newterm for TERM=xterm-256color on a socket instead of a terminal, every
// cell of a frame put into stdscr with its colour pair, then refresh(). The
// socket keeps each of ncurses' write() calls apart, so both the bytes and
// the calls can be counted. Only one may exist at a time (ncurses keeps one
// current screen).
class CursesPresenter {
  public:
    CursesPresenter();
    ~CursesPresenter();
    CursesPresenter(const CursesPresenter&) = delete;
    CursesPresenter& operator=(const CursesPresenter&) = delete;

    struct Output {
        std::size_t bytes = 0;
        std::size_t writes = 0;
    };
    // Shows the grid and reports what ncurses wrote for it.
    Output render(const VirtualConsole::Grid& grid);
    // What ncurses wrote while starting up (alternate screen, modes, the
    // clear): left out of every frame's count.
    Output startup() const { return startup_; }
    // The bytes of the last render, when keeping them was asked for.
    void keepBytes(bool keep) { keep_ = keep; }
    const std::string& lastBytes() const { return last_; }

  private:
    Output drain();

    int writeEnd_ = -1;
    int readEnd_ = -1;
    std::FILE* out_ = nullptr;
    std::FILE* in_ = nullptr;
    screen* screen_ = nullptr;
    Output startup_;
    bool keep_ = false;
    std::string last_;
};
