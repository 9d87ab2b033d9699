#pragma once

#include <string>

#include "platform/game_io.h"
#include "platform/key_decoder.h"
#include "platform/port.h"
#include "platform/posix/terminal_guard.h"
#include "platform/spoken_keys.h"
#include "platform/virtual_console.h"
#include "platform/xterm/terminal_presenter.h"

// The real player's terminal: raw keyboard on standard input, the console
// shown on standard output. The terminal guard holds the terminal while the
// game is in the foreground and gives it back however the game stops or
// ends; Ctrl-C leaves the game like the end of input, Ctrl-Z suspends it and
// fg redraws. In the background the game waits, neither reading keys nor
// drawing, until it is in the foreground again. A terminal that takes no
// more output for a while is waited for; output that cannot be written at
// all ends the game, as the end of input does, with failure() saying why.
// Told in plain lines, it writes each frame's news as lines of UTF-8 text
// and nothing else, and answers the keys of spoken_keys.h. Only one may
// exist at a time.
class TerminalIo : public GameIo {
  public:
    explicit TerminalIo(ConsoleMode mode = ConsoleMode::Picture);
    TerminalIo(const TerminalIo&) = delete;
    TerminalIo& operator=(const TerminalIo&) = delete;

    void present(const VirtualConsole& console) override;
    int readKey() override;
    std::string failure() const override { return failure_; }

  private:
    void show();
    // Writes the lines not yet said, when the terminal is the game's.
    void sayUnsaid();
    void say(const std::string& line);
    // The next key byte as typed; -1 once input has ended.
    int typedKey();
    // Sends the bytes whole, waiting while the terminal takes no more; false
    // (and failure_ set) when they could not be written.
    bool send(const std::string& bytes);
    void handleWakeups();
    void waitForForeground();
    // Decodes bytes from the keyboard into keys_, acting on the control
    // keys; false when one of them ended the game.
    bool takeBytes(const unsigned char* bytes, long count);
    bool fillKeys();

    const bool plainLines_;
    TerminalGuard guard_;
    SpokenConsole spoken_;
    std::string unsaid_;
    TerminalPresenter presenter_;
    VirtualConsole::Grid lastFrame_;
    bool haveFrame_ = false;
    // The terminal may not show lastFrame_: draw it in full when next in
    // the foreground.
    bool stale_ = false;
    bool noticeShown_ = false;
    KeyDecoder decoder_;
    std::string keys_;  // as typed
    bool inputClosed_ = false;
    std::string failure_;
};
