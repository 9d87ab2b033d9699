#include "platform/platform_help.h"

// The page starts the game without arguments, so no player sees this; it
// is here for whoever runs the game's module with some.
const PlatformHelp& platformHelp() {
    static const PlatformHelp HELP{
        "[--help | --version]",
        "Started without arguments, it plays on its web page (index.html), on a grid\n"
        "of 80 columns by 49 rows that fits the window. Up and Down (or the buttons\n"
        "under the grid) choose, Enter takes the choice.\n"
        "\n"
        "  -h, --help     print this help and exit\n"
        "  -V, --version  print the version and exit\n",
        "from the copies built into the game's script (ancient-evil.js).",
        "README.txt beside index.html tells more.\n",
        nullptr,
    };
    return HELP;
}
