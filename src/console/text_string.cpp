#include "console/text_string.h"

#include <cstring>

namespace {

char* copyOf(const char* characters, std::int32_t length) {
    char* buffer = new char[length + 1];
    std::memcpy(buffer, characters, length);
    buffer[length] = '\0';
    return buffer;
}

}  // namespace

TextString::TextString() : text_(copyOf("", 0)), length_(0) {}

TextString::TextString(const char* characters)
    : text_(nullptr),
      length_(static_cast<std::int32_t>(std::strlen(characters ? characters : ""))) {
    text_ = copyOf(characters ? characters : "", length_);
}

TextString::TextString(const TextString& other) : TextString(other.text_) {}

TextString::~TextString() {
    delete[] text_;
}

void TextString::replace(const char* characters) {
    // The new buffer is made before the old one goes, so assigning a text
    // to itself is safe.
    const auto length = static_cast<std::int32_t>(std::strlen(characters));
    char* buffer = copyOf(characters, length);
    delete[] text_;
    text_ = buffer;
    length_ = length;
}

TextString& TextString::assign(const TextString& other) {
    replace(other.text_);
    return *this;
}

TextString& TextString::append(const TextString& other) {
    const auto extra = static_cast<std::int32_t>(std::strlen(other.text_));
    char* buffer = new char[length_ + extra + 1];
    std::memcpy(buffer, text_, length_);
    std::memcpy(buffer + length_, other.text_, extra);
    buffer[length_ + extra] = '\0';
    delete[] text_;
    text_ = buffer;
    length_ += extra;
    return *this;
}
