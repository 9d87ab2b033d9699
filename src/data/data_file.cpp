#include "data/data_file.h"

#include <cctype>
#include <limits>
#include <string>

#include "data/data_folders.h"
#include "platform/regular_file.h"

namespace {

// Real data files are a few kilobytes; a huge one is read only in part.
constexpr std::size_t MAX_BYTES = 16u << 20;

// The bytes as text mode reads them: CR LF folds into LF; a CR on its own
// stays.
std::string foldLineBreaks(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        if (ch == '\n' && !text.empty() && text.back() == '\r') {
            text.back() = '\n';
        } else {
            text += ch;
        }
    }
    return text;
}

}  // namespace

DataFile::DataFile(const char* name) {
    for (const std::string& path : dataFileCandidates(name)) {
        std::string bytes;
        if (readRegularFile(path, MAX_BYTES, bytes)) {
            text_ = foldLineBreaks(bytes);
            open_ = true;
            return;
        }
    }
}

int DataFile::readChar() {
    const int ch = peek();
    if (ch != END) {
        ++position_;
    }
    return ch;
}

int DataFile::readLine(char* buffer, int size) {
    int count = 0;
    while (count < size - 1) {
        const int ch = readChar();
        if (ch == END) {
            break;
        }
        buffer[count++] = static_cast<char>(ch);
        if (ch == '\n') {
            break;
        }
    }
    if (size > 0) {
        buffer[count] = '\0';
    }
    return count;
}

namespace {

int digitValue(int ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return 99;
}

}  // namespace

bool DataFile::readInt(std::int32_t& value) {
    while (peek() != END && std::isspace(peek())) {
        ++position_;
    }
    bool negative = false;
    if (peek() == '+' || peek() == '-') {
        negative = peek() == '-';
        ++position_;
    }
    int base = 10;
    bool anyDigit = false;
    if (peek() == '0') {
        ++position_;
        anyDigit = true;
        base = 8;
        const bool hexMark = peek() == 'x' || peek() == 'X';
        const bool hexDigitFollows =
            position_ + 1 < text_.size() && digitValue((unsigned char)text_[position_ + 1]) < 16;
        if (hexMark && hexDigitFollows) {
            ++position_;
            base = 16;
        }
    }
    // Accumulate in 64 bits and saturate, so absurd numbers stay harmless.
    constexpr std::int64_t LIMIT = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (peek() != END && digitValue(peek()) < base) {
        magnitude = magnitude * base + digitValue(peek());
        if (magnitude > LIMIT) {
            magnitude = LIMIT;
        }
        anyDigit = true;
        ++position_;
    }
    if (!anyDigit) {
        return false;
    }
    std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max()) {
        result = std::numeric_limits<std::int32_t>::max();
    }
    value = static_cast<std::int32_t>(result);
    return true;
}
