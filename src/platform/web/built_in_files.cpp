#include "platform/web/built_in_files.h"

#include <algorithm>

bool readBuiltInFile(const BuiltInFile* files, std::size_t count, const std::string& path,
                     std::size_t maxBytes, std::string& bytes) {
    const BuiltInFile* end = files + count;
    const BuiltInFile* file =
        std::find_if(files, end, [&](const BuiltInFile& each) { return path == each.name; });
    if (file == end) {
        return false;
    }
    bytes.append(reinterpret_cast<const char*>(file->bytes), std::min(file->size, maxBytes));
    return true;
}
