#pragma once

#include <cstdint>

// The game's own small string: an owned, zero-terminated copy of its
// characters (Windows-1251 bytes) with their count. Copies never share a
// buffer, so printAt can convert its own copy in place while the caller's
// text stays as it was.
class TextString {
  public:
    TextString();
    TextString(const char* characters);  // NOLINT: texts are built from literals everywhere
    TextString(const TextString& other);
    TextString& operator=(const TextString& other) { return assign(other); }
    ~TextString();

    TextString& assign(const TextString& other);
    TextString& append(const TextString& other);

    const char* text() const { return text_; }
    char* data() { return text_; }
    std::int32_t length() const { return length_; }

  private:
    void replace(const char* characters);

    char* text_;
    std::int32_t length_;
};
