#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/game_io.h"
#include "platform/port.h"
#include "platform/spoken_keys.h"
#include "platform/virtual_console.h"
#include "platform/windows/console_handles.h"
#include "platform/windows/console_screen.h"
#include "platform/windows/piped_keys.h"
#include "platform/windows/saved_console.h"

// The player's Windows console: keys from standard input, the game shown
// on standard output, or the console itself where they are redirected (see
// ConsoleHandles). While it exists the console has a buffer and window
// of 80x49 where it allows, the game's title and no cursor; a window too
// small for the frame shows a notice instead, and keys are ignored until it
// has grown. However the game ends (normally, Ctrl-C, Ctrl-Break, the
// window closed, logoff, shutdown) the console gets back what it had and
// the prompt starts below the last screen. Keys that are not typed on the
// console (a pipe, a file) are read as a terminal sends them and end with
// it. Told in plain lines, it leaves the window, its size and its cursor as
// they are and writes each frame's news as lines, through the console's
// wide-character output that a screen reader such as NVDA reads as it
// appears (UTF-8 where the output is no console), and answers the keys of
// spoken_keys.h. Only one may exist at a time.
class ConsoleIo : public GameIo {
  public:
    ConsoleIo() : ConsoleIo(std::make_unique<ConsoleHandles>()) {}
    explicit ConsoleIo(std::unique_ptr<ConsoleHandles> handles,
                       ConsoleMode mode = ConsoleMode::Picture);
    ~ConsoleIo() override;
    ConsoleIo(const ConsoleIo&) = delete;
    ConsoleIo& operator=(const ConsoleIo&) = delete;

    void present(const VirtualConsole& console) override;
    int readKey() override;

    // Gives the console back; later calls do nothing. Called with the
    // console lock held.
    void restore();

  private:
    void show();
    bool readConsoleKeys();
    // The next key as typed or piped; -1 once none can come.
    int typedKey();
    void say(const std::string& line);
    void sayLocked(const std::string& line);

    const bool plainLines_;
    std::unique_ptr<ConsoleHandles> handles_;
    HANDLE input_;
    HANDLE output_;
    SavedConsole saved_;
    bool inputIsConsole_ = false;
    bool outputIsConsole_ = false;
    std::optional<PipedKeys> piped_;
    ConsoleScreen screen_;
    VirtualConsole::Grid lastFrame_{};
    bool haveFrame_ = false;
    bool noticeShown_ = false;
    bool restored_ = false;
    std::string keys_;
    SpokenConsole spoken_;
};
