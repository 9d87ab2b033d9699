#pragma once

#include <cstdint>
#include <string>

// A data file read as text: a carriage return followed by a line feed is one
// line break, so a file saved with either line ending gives the same
// pictures and numbers. Only a regular file is read, and never so that the
// game could wait on it; anything else counts as missing. It offers the
// three reads the loaders are built from: a "%i" integer, one character and
// a line of bounded length.
class DataFile {
  public:
    static constexpr int END = -1;

    // Opens and reads the whole file, found in the working directory or else
    // in a data folder (data_folders.h); isOpen() tells whether that worked.
    explicit DataFile(const char* name);

    bool isOpen() const { return open_; }
    // The whole file as read, line breaks folded.
    const std::string& text() const { return text_; }

    // Like scanf("%i"): white space, an optional sign, then decimal, octal
    // after a leading 0 or hexadecimal after 0x. False when no number could
    // be read; then value is left as it was. Values beyond 32 bits saturate.
    bool readInt(std::int32_t& value);
    // The next character, or END.
    int readChar();
    // Like fgets: up to size - 1 characters, stopping after a line break
    // (which is kept) or at the end; always zero-terminated. Returns the
    // number of characters read.
    int readLine(char* buffer, int size);

  private:
    int peek() const { return position_ < text_.size() ? (unsigned char)text_[position_] : END; }

    std::string text_;
    std::size_t position_ = 0;
    bool open_ = false;
};
