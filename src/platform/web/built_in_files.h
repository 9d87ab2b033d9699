#pragma once

#include <cstddef>
#include <string>

// The page's module has no file system: the game's data files are built
// into it, each under the name the game opens it by. The build writes the
// table from the files it is given (cmake/web.cmake); the page's module
// holds every one of cmake/data_files.cmake's list.
struct BuiltInFile {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
};

extern const BuiltInFile BUILT_IN_FILES[];
extern const std::size_t BUILT_IN_FILE_COUNT;

// readRegularFile (regular_file.h) over a table of built-in files: the file
// named path, at most maxBytes of it appended to `bytes`. A name not in the
// table gives false with nothing appended, and the game reports the file
// missing as on any other platform. A page sets no data folders, so the
// game asks for each file by its bare name, the only name a file has here.
bool readBuiltInFile(const BuiltInFile* files, std::size_t count, const std::string& path,
                     std::size_t maxBytes, std::string& bytes);
