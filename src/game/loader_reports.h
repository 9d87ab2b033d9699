#pragma once

class VirtualConsole;

// Runs the data loaders and shows the player what they report ("File X not
// found"). The reports go where the title left the cursor, one after the
// other. When they would not all fit below the title (one that fills the
// screen leaves no room at all), they take the bottom rows instead, over the
// title, each on a row of its own, so that every file named can be read.
// True when anything was reported.
bool loadShowingReports(VirtualConsole& console, void (*load)());
