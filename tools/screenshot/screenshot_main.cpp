// ae-screenshot: plays a seeded game with the careful automatic player and
// writes one of the frames it was shown as an SVG picture (or as text, to
// check the picture against). See usage() for the options.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/data_folders.h"
#include "frame_recorder.h"
#include "frame_text.h"
#include "svg_screenshot.h"

namespace {

struct ScreenName {
    const char* name;
    ScreenId id;
    const char* title;
};

constexpr ScreenName SCREENS[] = {
    {"story", SCREEN_STORY, "the story"},
    {"stranger", SCREEN_STRANGER, "the dying stranger"},
    {"town", SCREEN_TOWN, "the town"},
    {"shop", SCREEN_SHOP, "the shop"},
    {"hunt", SCREEN_HUNT, "the hunting grounds"},
    {"battle", SCREEN_BATTLE, "a fight"},
    {"seer", SCREEN_SEER, "the seer"},
    {"indian", SCREEN_INDIAN, "the Indian"},
    {"exit", SCREEN_EXIT_CONFIRM, "leaving the game"},
};

const char* nameOf(ScreenId id) {
    for (const ScreenName& screen : SCREENS) {
        if (screen.id == id) {
            return screen.name;
        }
    }
    return "?";
}

int usage() {
    std::fputs(
        "usage: ae-screenshot [--seed N] [--data DIR] --list\n"
        "       ae-screenshot [--seed N] [--data DIR] [--text] [--output FILE]\n"
        "                     (--title | --frame N | --screen NAME [--nth K])\n"
        "Plays a game with the careful automatic player (seed 1 by default), its\n"
        "data files from the working directory or else DIR, and writes one frame it\n"
        "was shown as SVG, or with --text as its rows of text and then a row of\n"
        "colour digits (0-f) for each. --title is the title picture, --frame N the\n"
        "Nth frame shown, --screen NAME the Kth frame (from 0) of that screen:\n"
        "story stranger town shop hunt battle seer indian exit. --list lists them.\n",
        stderr);
    return 2;
}

struct Options {
    std::uint32_t seed = PLAYTHROUGH_SEED;
    bool list = false;
    bool text = false;
    long frame = -1;
    const char* screen = nullptr;
    long nth = 0;
    const char* output = nullptr;
};

bool readNumber(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && value >= 0;
}

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        long number = 0;
        if (option == "--list") {
            options.list = true;
        } else if (option == "--text") {
            options.text = true;
        } else if (option == "--title") {
            options.frame = 0;
        } else if (option == "--seed" && hasValue && readNumber(argv[++i], number)) {
            options.seed = static_cast<std::uint32_t>(number);
        } else if (option == "--data" && hasValue) {
            setDataFolders({argv[++i]});
        } else if (option == "--frame" && hasValue && readNumber(argv[++i], options.frame)) {
        } else if (option == "--screen" && hasValue) {
            options.screen = argv[++i];
        } else if (option == "--nth" && hasValue && readNumber(argv[++i], options.nth)) {
        } else if (option == "--output" && hasValue) {
            options.output = argv[++i];
        } else {
            return false;
        }
    }
    return options.list || options.frame >= 0 || options.screen != nullptr;
}

// The index of the frame asked for, or -1 with a message.
long chooseFrame(const Playthrough& game, const Options& options, std::string& title) {
    if (options.screen == nullptr) {
        title = options.frame == 0 ? "the title" : "frame " + std::to_string(options.frame);
        if (static_cast<std::size_t>(options.frame) >= game.frames.size()) {
            std::fprintf(stderr, "ae-screenshot: the game showed only %zu frames\n",
                         game.frames.size());
            return -1;
        }
        return options.frame;
    }
    for (const ScreenName& screen : SCREENS) {
        if (std::strcmp(screen.name, options.screen) != 0) {
            continue;
        }
        title = screen.title;
        long seen = 0;
        // Frame 0 is the title picture, shown before any screen runs.
        for (std::size_t i = 1; i < game.frames.size(); ++i) {
            if (game.screens[i] == screen.id && seen++ == options.nth) {
                return static_cast<long>(i);
            }
        }
        std::fprintf(stderr, "ae-screenshot: the game showed %ld frames of %s\n", seen,
                     options.screen);
        return -1;
    }
    std::fprintf(stderr, "ae-screenshot: no screen named %s\n", options.screen);
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parse(argc, argv, options)) {
        return usage();
    }
    const Playthrough game = recordPlaythrough(options.seed);
    if (options.list) {
        for (std::size_t i = 0; i < game.frames.size(); ++i) {
            std::printf("%zu %s\n", i, i == 0 ? "title" : nameOf(game.screens[i]));
        }
        return 0;
    }
    std::string title;
    const long index = chooseFrame(game, options, title);
    if (index < 0) {
        return 1;
    }
    const VirtualConsole::Grid& grid = game.frames[static_cast<std::size_t>(index)];
    const std::string picture =
        options.text ? frameText(grid) : svgScreenshot(grid, "Древнее Зло: " + title);
    std::FILE* out = options.output != nullptr ? std::fopen(options.output, "wb") : stdout;
    if (out == nullptr) {
        std::perror(options.output);
        return 1;
    }
    const bool written = std::fwrite(picture.data(), 1, picture.size(), out) == picture.size();
    const bool closed = options.output != nullptr ? std::fclose(out) == 0 : std::fflush(out) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "ae-screenshot: could not write the picture\n");
        return 1;
    }
    return 0;
}
