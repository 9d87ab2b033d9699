#include "data/data_file.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

#include "data/data_folders.h"

namespace {

// Only a regular file is read. Opening a FIFO would wait for a writer for
// ever, a directory reads as empty, a device may never end: each counts as
// missing instead.
bool isRegularFile(const char* path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

DataFile::DataFile(const char* name) {
    for (const std::string& path : dataFileCandidates(name)) {
        if (read(path.c_str())) {
            return;
        }
    }
}

bool DataFile::read(const char* path) {
    if (!isRegularFile(path)) {
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    open_ = true;
    char chunk[4096];
    std::size_t got;
    // Real data files are a few kilobytes; a huge one is read only in part.
    constexpr std::size_t MAX_BYTES = 16u << 20;
    while (text_.size() < MAX_BYTES && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        for (std::size_t i = 0; i < got; ++i) {
            // Text mode folds CR LF into LF; a CR on its own stays.
            if (chunk[i] == '\n' && !text_.empty() && text_.back() == '\r') {
                text_.back() = '\n';
            } else {
                text_ += chunk[i];
            }
        }
    }
    std::fclose(file);
    return true;
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
