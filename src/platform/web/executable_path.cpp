#include "platform/port.h"

// A page has no program file, and so no data folders: the game asks for
// its data files by their bare names, which are the names of the copies
// built into the module.
std::string executablePath() {
    return {};
}

DataPlacement dataPlacement() {
    return DataPlacement::programFolder;  // with no program file, no folder at all
}
