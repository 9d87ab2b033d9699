#include "platform/regular_file.h"

#include "platform/web/built_in_files.h"

// The page's module reads only the files built into it; the programs run
// under node read the real file system instead (cmake/web.cmake).
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    return readBuiltInFile(BUILT_IN_FILES, BUILT_IN_FILE_COUNT, path, maxBytes, bytes);
}
