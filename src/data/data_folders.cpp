#include "data/data_folders.h"

#include <utility>

namespace {

std::vector<std::string> g_dataFolders;

#ifdef _WIN32
constexpr const char* SEPARATORS = "/\\";
bool isAbsolute(const std::string& path) {
    const bool driveLetter = path.size() >= 2 && path[1] == ':';
    return driveLetter || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}
#else
constexpr const char* SEPARATORS = "/";
bool isAbsolute(const std::string& path) {
    return !path.empty() && path[0] == '/';
}
#endif

std::string joinPath(const std::string& folder, const std::string& name) {
    const bool endsWithSeparator =
        !folder.empty() && std::string(SEPARATORS).find(folder.back()) != std::string::npos;
    return endsWithSeparator ? folder + name : folder + "/" + name;
}

}  // namespace

void setDataFolders(std::vector<std::string> folders) {
    g_dataFolders = std::move(folders);
}

std::vector<std::string> dataFoldersBeside(const std::string& executablePath) {
    const std::size_t separator = executablePath.find_last_of(SEPARATORS);
    if (separator == std::string::npos) {
        return {};
    }
    std::string folder = executablePath.substr(0, separator);
    if (folder.empty() || folder.back() == ':') {
        folder += executablePath[separator];  // a root keeps its separator: "/", "C:\\"
    }
    const std::string parent = joinPath(folder, "..");
    return {joinPath(parent, "share/ancient-evil"), joinPath(parent, "assets"), folder};
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
