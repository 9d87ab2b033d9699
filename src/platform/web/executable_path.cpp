#include "platform/port.h"

// A page has no program file: its data files are in the module's own file
// system, in the working directory, where the game looks first.
std::string executablePath() {
    return {};
}

DataPlacement dataPlacement() {
    return DataPlacement::programFolder;  // with no program file, no folder at all
}
