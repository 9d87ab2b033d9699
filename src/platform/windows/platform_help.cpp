#include "platform/platform_help.h"

const PlatformHelp& platformHelp() {
    // Every Windows console program answers /? with its help.
    static const PlatformHelp HELP{
        "[--screen-reader] | /? | --help | --version",
        "Started without arguments, it plays in this console window, which needs at\n"
        "least 80 columns by 49 rows: the classic console is set to that size where\n"
        "the screen allows it; Windows Terminal is enlarged by you (F11 for the full\n"
        "screen, or Ctrl+minus for a smaller font). Up and Down choose, Enter takes\n"
        "the choice, Ctrl+C leaves.\n"
        "\n"
        "  --screen-reader  tell the game in plain lines of text, for a screen reader\n"
        "                   such as NVDA or a braille display: no picture; a digit\n"
        "                   picks a choice, H says the hero's status, R says the\n"
        "                   whole screen again\n"
        "  /?, -h, --help   print this help and exit\n"
        "  -V, --version    print the version and exit\n",
        "from the folder of ancient-evil.exe.",
        "README.txt beside the game tells more.\n",
        "/?",
    };
    return HELP;
}
