#pragma once

#include <string>
#include <vector>

// The one way a loader says that a data file could not be read: "File <name>
// not found" at the cursor, in the colour in force, as the player sees it
// wherever a loader runs. Each message is also kept, so that the start-up
// can lay out what was reported without reading it back off the screen.
void reportMissingFile(const char* name);

// The messages reported since the last call, oldest first; forgets them.
std::vector<std::string> takeMissingFileReports();
