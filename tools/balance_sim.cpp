// Plays many seeded games through the real frame loop with the automatic
// player and prints how the game's numbers play out: how often a careful
// and a reckless player win, how many fights a game takes in all and in
// each place (the swamp, the desert, the underworld), which weapon the hero
// holds when he meets the demon, when the shop's weapons are bought, and
// which weapon the demon asks for. Run it from the assets folder:
// balance-sim [games] [first seed] [trace].
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "auto_player.h"

namespace {

constexpr int STAGES = QUEST_STAGE_FINAL + 1;
constexpr int WEAPONS = LAST_WEAPON + 1;

struct Tally {
    int games = 0;
    int wins = 0;
    int deaths = 0;
    int unfinished = 0;
    std::vector<int> fights;
    // Per stage, the fights of each game that reached it.
    std::vector<int> stageFights[STAGES];
    // Games that met the demon holding each weapon, and those that never did.
    int demonMetWith[WEAPONS] = {};
    int demonNeverMet = 0;
    // Per weapon, the fight count when it was bought, in the games that bought it.
    std::vector<int> boughtAfter[WEAPONS];
    // Games in which some weapon was bought with no fight since the one before.
    int twoWeaponsAtOnce = 0;
};

void count(Tally& tally, const AutoGame& game) {
    tally.fights.push_back(game.fights);
    tally.wins += game.outcome == AutoPlayer::Outcome::Victory;
    tally.deaths += game.outcome == AutoPlayer::Outcome::Death;
    tally.unfinished += game.outcome == AutoPlayer::Outcome::Stuck;
    for (int stage = 0; stage < STAGES; ++stage) {
        if (game.fightsPerStage[stage] > 0) {
            tally.stageFights[stage].push_back(game.fightsPerStage[stage]);
        }
    }
    if (game.weaponAtDemon >= 0 && game.weaponAtDemon < WEAPONS) {
        ++tally.demonMetWith[game.weaponAtDemon];
    } else {
        ++tally.demonNeverMet;
    }
    bool atOnce = false;
    for (int weapon = 1; weapon < WEAPONS; ++weapon) {
        const int after = game.weaponBoughtAfter[weapon];
        if (after < 0) {
            continue;
        }
        tally.boughtAfter[weapon].push_back(after);
        atOnce = atOnce || (weapon > 1 && after == game.weaponBoughtAfter[weapon - 1]);
    }
    tally.twoWeaponsAtOnce += atOnce;
}

Tally playMany(AutoPlayer::Style style, int games, unsigned firstSeed,
               const AutoGameOptions& options = {}) {
    Tally tally;
    tally.games = games;
    for (int i = 0; i < games; ++i) {
        count(tally, playAutoGame(style, firstSeed + static_cast<unsigned>(i), options));
    }
    return tally;
}

// The median, or "-" when there is nothing to take it of.
std::string median(std::vector<int> values) {
    if (values.empty()) {
        return "-";
    }
    std::sort(values.begin(), values.end());
    return std::to_string(values[values.size() / 2]);
}

// The value that nine games in ten stay at or below.
std::string ninetiethPercentile(std::vector<int> values) {
    if (values.empty()) {
        return "-";
    }
    std::sort(values.begin(), values.end());
    return std::to_string(values[(values.size() * 9) / 10]);
}

double percent(int part, int whole) {
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

struct Row {
    std::string name;
    Tally tally;
};

void printOutcomes(const std::vector<Row>& rows) {
    std::printf("%-30s %6s %7s %7s %7s %7s %7s %7s %7s %7s\n", "player", "games", "wins", "deaths",
                "stuck", "fights", "swamp", "desert", "under", "under90");
    for (const Row& row : rows) {
        const Tally& t = row.tally;
        std::printf("%-30s %6d %6.1f%% %6.1f%% %6.1f%% %7s %7s %7s %7s %7s\n", row.name.c_str(),
                    t.games, percent(t.wins, t.games), percent(t.deaths, t.games),
                    percent(t.unfinished, t.games), median(t.fights).c_str(),
                    median(t.stageFights[0]).c_str(), median(t.stageFights[1]).c_str(),
                    median(t.stageFights[2]).c_str(),
                    ninetiethPercentile(t.stageFights[2]).c_str());
    }
}

void printDemonWeapons(const std::vector<Row>& rows) {
    std::printf("\n%-30s", "weapon when the demon is met");
    for (int weapon = 0; weapon < WEAPONS; ++weapon) {
        std::printf(" %7d", weapon);
    }
    std::printf(" %7s\n", "never");
    for (const Row& row : rows) {
        const Tally& t = row.tally;
        std::printf("%-30s", row.name.c_str());
        for (int weapon = 0; weapon < WEAPONS; ++weapon) {
            std::printf(" %6.1f%%", percent(t.demonMetWith[weapon], t.games));
        }
        std::printf(" %6.1f%%\n", percent(t.demonNeverMet, t.games));
    }
}

void printPurchases(const std::vector<Row>& rows) {
    std::printf("\n%-30s", "weapon bought after fight");
    for (int weapon = 1; weapon < WEAPONS; ++weapon) {
        std::printf(" %7d", weapon);
    }
    std::printf(" %9s\n", "two at once");
    for (const Row& row : rows) {
        const Tally& t = row.tally;
        std::printf("%-30s", row.name.c_str());
        for (int weapon = 1; weapon < WEAPONS; ++weapon) {
            std::printf(" %7s", median(t.boughtAfter[weapon]).c_str());
        }
        std::printf(" %8.1f%%\n", percent(t.twoWeaponsAtOnce, t.games));
    }
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
    std::vector<Row> rows;
    rows.push_back({"careful", playMany(AutoPlayer::Style::Careful, games, firstSeed)});
    rows.push_back({"reckless", playMany(AutoPlayer::Style::Reckless, games, firstSeed)});
    // The desert already asks for weapon 2, so that is the weakest the
    // demon can be met with.
    for (int weapon = 2; weapon <= LAST_WEAPON; ++weapon) {
        AutoGameOptions options;
        options.demonWeapon = weapon;
        rows.push_back({"careful, demon with weapon " + std::to_string(weapon),
                        playMany(AutoPlayer::Style::Careful, games, firstSeed, options)});
    }
    // Whether the first three weapons can beat the demon at all: the
    // player never buys a better one.
    AutoGameOptions limited;
    limited.demonWeapon = 2;
    limited.weaponLimit = 2;
    rows.push_back({"careful, never above weapon 2",
                    playMany(AutoPlayer::Style::Careful, games, firstSeed, limited)});
    std::printf(
        "Medians of fights in all and per place (under90: nine games in ten need no\n"
        "more in the underworld); each place counts the games that reached it.\n\n");
    printOutcomes(rows);
    printDemonWeapons(rows);
    printPurchases(rows);
    return 0;
}
