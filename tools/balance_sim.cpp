// Plays many seeded games through the real frame loop with the automatic
// player and prints how the game's numbers play out: how often a careful
// and a reckless player win, how many fights a game takes, how often the
// hero dies, and which weapon the demon asks for. Run it from the assets
// folder: balance-sim [games] [first seed] [trace].
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "auto_player.h"

namespace {

struct Tally {
    int games = 0;
    int wins = 0;
    int deaths = 0;
    int unfinished = 0;
    std::vector<int> fights;
};

Tally playMany(AutoPlayer::Style style, int games, unsigned firstSeed,
               const AutoGameOptions& options = {}) {
    Tally tally;
    tally.games = games;
    for (int i = 0; i < games; ++i) {
        const AutoGame game = playAutoGame(style, firstSeed + static_cast<unsigned>(i), options);
        tally.fights.push_back(game.fights);
        tally.wins += game.outcome == AutoPlayer::Outcome::Victory;
        tally.deaths += game.outcome == AutoPlayer::Outcome::Death;
        tally.unfinished += game.outcome == AutoPlayer::Outcome::Stuck;
    }
    return tally;
}

int median(std::vector<int> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double percent(int part, int whole) {
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

void printRow(const char* name, const Tally& tally) {
    std::printf("%-28s %6d %7.1f%% %7.1f%% %7.1f%% %8d\n", name, tally.games,
                percent(tally.wins, tally.games), percent(tally.deaths, tally.games),
                percent(tally.unfinished, tally.games), median(tally.fights));
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const unsigned firstSeed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    if (argc > 3) {  // trace one careful game, fight by fight
        AutoGameOptions options;
        options.trace = true;
        const AutoGame game = playAutoGame(AutoPlayer::Style::Careful, firstSeed, options);
        std::printf("outcome %d after %d fights\n", static_cast<int>(game.outcome), game.fights);
        return 0;
    }
    std::printf("%-28s %6s %8s %8s %8s %8s\n", "player", "games", "wins", "deaths", "stuck",
                "fights");
    printRow("careful", playMany(AutoPlayer::Style::Careful, games, firstSeed));
    printRow("reckless", playMany(AutoPlayer::Style::Reckless, games, firstSeed));
    // The desert already asks for weapon 2, so that is the weakest the
    // demon can be met with.
    for (int weapon = 2; weapon <= 4; ++weapon) {
        AutoGameOptions options;
        options.demonWeapon = weapon;
        char name[64];
        std::snprintf(name, sizeof name, "careful, demon with weapon %d", weapon);
        printRow(name, playMany(AutoPlayer::Style::Careful, games, firstSeed, options));
    }
    return 0;
}
