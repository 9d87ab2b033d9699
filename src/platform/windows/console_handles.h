#pragma once

#include <windows.h>

// The handles the game plays on, whatever standard input and output are.
// It draws on standard output when that is the console, and on the console
// itself (CONOUT$) when output goes to a file or a pipe (`ancient-evil >
// log.txt`, `| more`), so that the player still sees the game. Keys come
// from standard input when it is the console, a pipe or a file (a script of
// keys, which ends with it), and from the console itself (CONIN$) when
// standard input is missing or another device, such as NUL. The handles it
// opened, it closes.
class ConsoleHandles {
  public:
    ConsoleHandles();
    ~ConsoleHandles();
    ConsoleHandles(const ConsoleHandles&) = delete;
    ConsoleHandles& operator=(const ConsoleHandles&) = delete;

    // False when the process has no console at all (started detached, or
    // as a service): there is nothing to play on.
    bool haveConsole() const { return haveConsole_; }
    HANDLE input() const { return input_; }
    HANDLE output() const { return output_; }

  private:
    HANDLE input_;
    HANDLE output_;
    bool ownInput_ = false;
    bool ownOutput_ = false;
    bool haveConsole_ = false;
};
