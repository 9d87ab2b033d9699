#include "platform/regular_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

// Windows has no FIFOs to put in a data file's place; a directory or a
// device name such as CON is passed over.
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[4096];
    for (std::size_t left = maxBytes; left > 0;) {
        const std::size_t got = std::fread(chunk, 1, std::min(sizeof chunk, left), file);
        if (got == 0) {
            break;
        }
        bytes.append(chunk, got);
        left -= got;
    }
    std::fclose(file);
    return true;
}
