// ae-playthrough: plays a seeded game with the careful automatic player and
// prints every frame it was shown, with the key read after it and what it
// tells a screen reader, as text. Two builds of the game that print the
// same show and tell the player the same game
// (the web build's test compares its own with the native build's); the
// keys replay the game elsewhere (the browser tests type them).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/data_folders.h"
#include "frame_recorder.h"
#include "frame_text.h"

namespace {

const char* outcomeName(AutoPlayer::Outcome outcome) {
    switch (outcome) {
        case AutoPlayer::Outcome::Victory:
            return "victory";
        case AutoPlayer::Outcome::Death:
            return "death";
        case AutoPlayer::Outcome::Stuck:
            return "stuck";
        case AutoPlayer::Outcome::Running:
            break;
    }
    return "running";
}

int usage() {
    std::fputs(
        "usage: ae-playthrough [--seed N] [--data DIR]\n"
        "Plays a game with the careful automatic player (seed 1 by default), its\n"
        "data files from the working directory or else DIR, and prints each frame\n"
        "it was shown: a line 'frame I screen S key K' (K is the key byte read\n"
        "after it, -1 for none), a line 'said ...' with the sentences it tells a\n"
        "screen reader, then the frame's rows of text and of colour digits. The\n"
        "first lines name the seed, the outcome and the frame count.\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::uint32_t seed = PLAYTHROUGH_SEED;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            char* end = nullptr;
            const unsigned long value = std::strtoul(argv[++i], &end, 10);
            if (*argv[i] == '\0' || *end != '\0' || value > 0xFFFFFFFFul) {
                return usage();
            }
            seed = static_cast<std::uint32_t>(value);
        } else if (std::strcmp(argv[i], "--data") == 0 && hasValue) {
            setDataFolders({argv[++i]});
        } else {
            return usage();
        }
    }
    const Playthrough game = recordPlaythrough(seed);
    std::printf("seed %u\noutcome %s\nframes %zu\n", static_cast<unsigned>(seed),
                outcomeName(game.outcome), game.frames.size());
    for (std::size_t i = 0; i < game.frames.size(); ++i) {
        std::printf("frame %zu screen %d key %d\nsaid", i, static_cast<int>(game.screens[i]),
                    game.keys[i]);
        for (const std::string& words : game.news[i]) {
            std::printf(" %s", words.c_str());
        }
        std::printf("\n");
        const std::string text = frameText(game.frames[i]);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    if (std::fflush(stdout) != 0) {
        std::fputs("ae-playthrough: could not write the frames\n", stderr);
        return 1;
    }
    return 0;
}
