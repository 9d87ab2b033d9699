#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Random key bytes through the real frame loop, game after game, with the
// frame invariants checked on every frame presented, the data files read
// from the working directory as the game reads them. When a game ends
// before the bytes run out, the next one starts with the bytes left.
struct SoakOptions {
    std::size_t bytes = 1000000;
    std::uint32_t seed = 1;
    std::size_t reportedProblems = 5;  // problems kept in full, with their frame
};

struct SoakReport {
    std::size_t bytesUsed = 0;
    std::size_t framesPresented = 0;
    std::size_t framesChecked = 0;
    std::size_t games = 0;
    std::size_t leftByChoice = 0;  // through the exit confirmation
    std::size_t victories = 0;
    std::size_t deaths = 0;
    std::size_t fights = 0;
    std::int32_t highestQuestStage = 0;
    std::size_t problemCount = 0;
    std::vector<std::string> problems;  // the first few, each with its frame

    bool ok() const { return problemCount == 0; }
};

SoakReport runSoak(const SoakOptions& options);

// A few lines for people: what was played and what broke.
std::string describe(const SoakReport& report);
