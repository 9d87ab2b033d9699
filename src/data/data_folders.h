#pragma once

#include <string>
#include <vector>

#include "platform/data_placement.h"

// Where the game looks for a data file. The working directory comes first,
// so that a player's or modder's own files win; a name not found there is
// looked for in the data folders, in order. Until the program names them
// (from where its executable is) there are none, and the working directory
// is the only place searched.

// The folders searched after the working directory, in order.
void setDataFolders(std::vector<std::string> folders);

// The data folders of a game whose executable is at executablePath, placed
// as its platform places them. In the program's folder: that folder alone.
// In a POSIX tree: an installed game's share/ancient-evil beside its bin/ or
// games/, then the build tree's assets/ beside the build folder when the
// executable is in one, then the executable's own folder (an unpacked
// archive with the data beside the program). None when the executable's
// location is unknown (an empty path or a bare name).
std::vector<std::string> dataFoldersBeside(const std::string& executablePath,
                                           DataPlacement placement);

// The paths to try for a data file, best first: the name as given (the
// working directory), then the name in each data folder. An absolute name
// is only tried as given.
std::vector<std::string> dataFileCandidates(const std::string& name);
