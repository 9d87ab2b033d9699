#include <windows.h>

#include "platform/port.h"

namespace {

// The path in the ANSI code page, the one the C library's fopen reads file
// names in; empty when a character of it has no ANSI form, since a
// look-alike character would name another file.
std::string toAnsi(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr,
                                         0, nullptr, &lossy);
    if (size <= 0 || lossy) {
        return {};
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &ansi[0], size, nullptr,
                        &lossy);
    return lossy ? std::string() : ansi;
}

std::wstring shortPathOf(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), &shortPath[0], size);
    if (length == 0 || length >= size) {
        return {};
    }
    shortPath.resize(length);
    return shortPath;
}

}  // namespace

std::string executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);  // the path was cut short
    }
    const std::string ansi = toAnsi(path);
    // A folder named in another alphabet usually still has a short name of
    // plain letters that fopen can open.
    return ansi.empty() ? toAnsi(shortPathOf(path)) : ansi;
}

DataPlacement dataPlacement() {
    return DataPlacement::programFolder;
}
