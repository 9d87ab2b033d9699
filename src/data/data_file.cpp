#include "data/data_file.h"

#include <cctype>
#include <cstdio>
#include <limits>
#include <string>

#ifdef _WIN32
#include <filesystem>
#include <system_error>
#else
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "data/data_folders.h"

namespace {

// Real data files are a few kilobytes; a huge one is read only in part.
constexpr std::size_t MAX_BYTES = 16u << 20;

// Appends a chunk as text mode reads it: CR LF folds into LF; a CR on its
// own stays.
void appendText(const char* chunk, std::size_t size, std::string& text) {
    for (std::size_t i = 0; i < size; ++i) {
        if (chunk[i] == '\n' && !text.empty() && text.back() == '\r') {
            text.back() = '\n';
        } else {
            text += chunk[i];
        }
    }
}

#ifdef _WIN32

// Only a regular file is read: a directory reads as empty, a device may
// never end; each counts as missing instead.
bool readRegularFile(const char* path, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[4096];
    std::size_t got;
    while (text.size() < MAX_BYTES && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        appendText(chunk, got, text);
    }
    std::fclose(file);
    return true;
}

#else

// Only a regular file is read, and nothing here may wait: a FIFO would wait
// for a writer for ever, a directory reads as empty, a device may never end.
// The file is opened without waiting and then looked at, so that a FIFO put
// in its place meanwhile is caught too; reading stops where a file that
// only looks regular (such as /proc/kmsg) has nothing more at once.
bool readRegularFile(const char* path, std::string& text) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    char chunk[4096];
    while (text.size() < MAX_BYTES) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;  // the end, an error, or nothing to read without waiting
        }
        appendText(chunk, std::size_t(got), text);
    }
    close(fd);
    return true;
}

#endif

}  // namespace

DataFile::DataFile(const char* name) {
    for (const std::string& path : dataFileCandidates(name)) {
        if (readRegularFile(path.c_str(), text_)) {
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
