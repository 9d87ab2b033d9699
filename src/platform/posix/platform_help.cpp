#include "platform/platform_help.h"

const PlatformHelp& platformHelp() {
    static const PlatformHelp HELP{
        "[--screen-reader] | --help | --version",
        "Started without arguments, it plays in this terminal, which needs at least\n"
        "80 columns by 49 rows (an xterm-compatible terminal with UTF-8 on Linux).\n"
        "Up and Down choose, Enter takes the choice.\n"
        "\n"
        "  --screen-reader  tell the game in plain lines of text, for a screen reader\n"
        "                   or a braille display: no picture, colours or cursor moves;\n"
        "                   a digit picks a choice, H says the hero's status, R says\n"
        "                   the whole screen again\n"
        "  -h, --help       print this help and exit\n"
        "  -V, --version    print the version and exit\n",
        "from the game's data folder beside the program (../share/ancient-evil when installed).",
        "The manual page ancient-evil(6) tells more.\n",
        nullptr,  // a slash starts a path here
    };
    return HELP;
}
