#pragma once

#include <string>

#include "platform/game_io.h"
#include "platform/key_decoder.h"
#include "platform/posix/terminal_presenter.h"
#include "platform/virtual_console.h"

// The real player's terminal: raw keyboard on standard input, the console
// shown on standard output. While it exists the terminal is in raw mode with
// the cursor hidden; however the program ends (normally, Ctrl-C, SIGTERM,
// SIGHUP or a crash) the terminal gets its settings, cursor and colours back
// and the prompt starts below the frame. Ctrl-Z suspends with the terminal
// restored; fg redraws. Only one may exist at a time.
class TerminalIo : public GameIo {
  public:
    TerminalIo();
    ~TerminalIo() override;
    TerminalIo(const TerminalIo&) = delete;
    TerminalIo& operator=(const TerminalIo&) = delete;

    void present(const VirtualConsole& console) override;
    int readKey() override;

  private:
    void show();
    void handleWakeups();
    bool fillKeys();

    TerminalPresenter presenter_;
    VirtualConsole::Grid lastFrame_;
    bool haveFrame_ = false;
    bool noticeShown_ = false;
    KeyDecoder decoder_;
    std::string keys_;
    bool inputClosed_ = false;
};
