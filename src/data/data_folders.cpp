#include "data/data_folders.h"

#include <cstring>
#include <filesystem>
#include <utility>

#include "platform/regular_file.h"

namespace {

std::vector<std::string> g_dataFolders;

// Folders are split and joined as strings: the names are in the C
// library's own code page, which std::filesystem::path would convert to
// wide characters on Windows, a conversion that can fail by throwing. Only
// its facts about the platform are taken: where the preferred separator is
// a backslash, a slash separates too and a drive letter roots a name.
constexpr bool BACKSLASHES = std::filesystem::path::preferred_separator == '\\';
constexpr const char* SEPARATORS = BACKSLASHES ? "/\\" : "/";

bool isSeparator(char ch) {
    return ch != '\0' && std::strchr(SEPARATORS, ch) != nullptr;
}

bool isAbsolute(const std::string& path) {
    const bool driveLetter = BACKSLASHES && path.size() >= 2 && path[1] == ':';
    return driveLetter || (!path.empty() && isSeparator(path[0]));
}

std::string joinPath(const std::string& folder, const std::string& name) {
    const bool endsWithSeparator = !folder.empty() && isSeparator(folder.back());
    return endsWithSeparator ? folder + name : folder + "/" + name;
}

// A program in its build folder: CMake keeps its cache at the top of every
// build tree, where the game is linked, and no install or package carries
// it. Nothing is compiled into the program for this, so an installed tree
// and an unpacked archive stay movable and their builds repeatable.
bool isBuildFolder(const std::string& folder) {
    std::string nothing;
    return readRegularFile(joinPath(folder, "CMakeCache.txt"), 0, nothing);
}

}  // namespace

void setDataFolders(std::vector<std::string> folders) {
    g_dataFolders = std::move(folders);
}

std::vector<std::string> dataFoldersBeside(const std::string& executablePath,
                                           DataPlacement placement) {
    const std::size_t separator = executablePath.find_last_of(SEPARATORS);
    if (separator == std::string::npos) {
        return {};
    }
    std::string folder = executablePath.substr(0, separator);
    if (folder.empty() || folder.back() == ':') {
        folder += executablePath[separator];  // a root keeps its separator: "/", "C:\\"
    }
    if (placement == DataPlacement::programFolder) {
        return {folder};
    }
    const std::string parent = joinPath(folder, "..");
    if (isBuildFolder(folder)) {
        return {joinPath(parent, "share/ancient-evil"), joinPath(parent, "assets"), folder};
    }
    return {joinPath(parent, "share/ancient-evil"), folder};
}

std::vector<std::string> dataFileCandidates(const std::string& name) {
    std::vector<std::string> candidates{name};
    if (name.empty() || isAbsolute(name)) {
        return candidates;
    }
    for (const std::string& folder : g_dataFolders) {
        candidates.push_back(joinPath(folder, name));
    }
    return candidates;
}
