#pragma once

#include <windows.h>

#include <string>

#include "platform/key_decoder.h"

// Keys from standard input when it is not a console (a pipe, a file, NUL):
// the bytes are read as a terminal would send them, so the arrow sequences
// of a script become the console's key pairs, and a Windows line end
// (CR LF) counts as one Enter. Input ends with the pipe or the file.
class PipedKeys {
  public:
    explicit PipedKeys(HANDLE input) : input_(input) {}

    // The next key byte, or -1 once no key can come any more.
    int next();

  private:
    bool fill();

    HANDLE input_;
    KeyDecoder decoder_;
    std::string keys_;
    bool afterCarriageReturn_ = false;
    bool ended_ = false;
};
