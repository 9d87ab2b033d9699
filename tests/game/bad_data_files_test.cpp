// Every data file damaged in every way a player's copy could be: the game
// starts, says which file is missing, and plays on through the town, the
// shop, the seer and a fight with every frame sound.
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

#include "auto_player.h"
#include "frame_invariants.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

// Damage turns a file's content into the damaged content; nullopt removes
// the file altogether, and with directory a directory takes its place.
using Damage = std::function<std::optional<std::string>(const std::string&)>;

struct BadFile {
    std::string file;
    std::string what;
    Damage damage;
    bool directory = false;
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.file << ", " << bad.what;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        out.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        out += part + "\n";
    }
    return out;
}

Damage withCount(const std::string& count) {
    return [count](const std::string& text) {
        auto all = lines(text);
        all.at(0) = count;
        return std::optional<std::string>(joined(all));
    };
}

// Applies edit to the picture rows (row = true) or the names of a sprite file.
Damage eachSpriteLine(bool rows, std::function<std::string(const std::string&)> edit) {
    return [rows, edit](const std::string& text) {
        auto all = lines(text);
        for (std::size_t i = 1; i < all.size(); ++i) {
            if (((i - 1) % 11 < 10) == rows) {
                all[i] = edit(all[i]);
            }
        }
        return std::optional<std::string>(joined(all));
    };
}

// Swaps each entry's minimum and maximum (damage, and a monster's reward).
Damage rangesUpsideDown(bool monsters) {
    return [monsters](const std::string& text) {
        auto all = lines(text);
        const int count = std::stoi(all.at(0));
        for (int i = 1; i <= count; ++i) {
            std::istringstream in(all.at(i));
            std::vector<std::string> n{std::istream_iterator<std::string>(in), {}};
            if (monsters) {
                std::swap(n.at(1), n.at(2));
                std::swap(n.at(3), n.at(4));
            } else {
                std::swap(n.at(0), n.at(1));
            }
            all[i] = n[0];
            for (std::size_t k = 1; k < n.size(); ++k) {
                all[i] += " " + n[k];
            }
        }
        return std::optional<std::string>(joined(all));
    };
}

std::string garbage() {
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 3000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 23);
    }
    return bytes;
}

std::vector<BadFile> cases() {
    const std::vector<std::string> sprites = {"NPC.txt", "SpriteStuff.txt", "SpriteWeapon.txt",
                                              "SpriteMonster.txt"};
    const std::vector<std::string> numbers = {"DataWeapon.txt", "DataMonster.txt"};
    std::vector<BadFile> all;
    for (const char* file : {"Title.txt", "NPC.txt", "SpriteStuff.txt", "SpriteWeapon.txt",
                             "SpriteMonster.txt", "DataWeapon.txt", "DataMonster.txt"}) {
        all.push_back({file, "Missing", [](const std::string&) { return std::nullopt; }});
        all.push_back({file, "Directory", [](const std::string&) { return std::nullopt; }, true});
        all.push_back({file, "Empty", [](const std::string&) { return std::string(); }});
        all.push_back({file, "Garbage", [](const std::string&) { return garbage(); }});
        all.push_back({file, "Utf8", [](const std::string& text) { return fromCp1251(text); }});
    }
    all.push_back({"Title.txt", "Truncated",
                   [](const std::string& text) { return text.substr(0, text.size() / 2); }});
    for (const std::string& file : sprites) {
        // The count line, sprite 0 whole, then five rows and a half of sprite 1.
        all.push_back({file, "TruncatedInASprite", [](const std::string& text) {
                           auto kept = lines(text);
                           kept.resize(1 + 11 + 6);
                           kept.back().resize(kept.back().size() / 2);
                           std::string out = joined(kept);
                           out.pop_back();
                           return std::optional<std::string>(out);
                       }});
        all.push_back({file, "NegativeCount", withCount("-5")});
        all.push_back({file, "HugeCount", withCount("2147483647")});
        all.push_back({file, "ShortRows", eachSpriteLine(true, [](const std::string& row) {
                           return row.substr(0, 12);
                       })});
        all.push_back({file, "LongRows", eachSpriteLine(true, [](const std::string& row) {
                           return row + "~~~~~~~~~~~~~~~~~~~~~~~~~";
                       })});
        all.push_back({file, "LongNames", eachSpriteLine(false, [](const std::string&) {
                           return std::string(300, '\xC6');  // Ж in Windows-1251
                       })});
        all.push_back({file, "FormatNames", eachSpriteLine(false, [](const std::string&) {
                           return std::string("%s%n%s%n%x");
                       })});
    }
    for (const std::string& file : numbers) {
        all.push_back({file, "TruncatedInANumber", [](const std::string& text) {
                           // After the first digit of the first entry's first long number.
                           std::size_t i = text.find('\n');
                           while (i + 1 < text.size() &&
                                  !(std::isdigit((unsigned char)text[i]) &&
                                    std::isdigit((unsigned char)text[i + 1]))) {
                               ++i;
                           }
                           return std::optional<std::string>(text.substr(0, i + 1));
                       }});
        all.push_back({file, "NegativeCount", withCount("-5")});
        all.push_back({file, "HugeCount", withCount("2147483647")});
        all.push_back({file, "MaximumBelowMinimum", rangesUpsideDown(file == "DataMonster.txt")});
        // Counts that disagree with the sprite file: fewer and more entries.
        all.push_back({file, "FewerThanTheSprites", withCount("2")});
        all.push_back({file, "MoreThanTheSprites", withCount("12")});
    }
    all.push_back({"SpriteWeapon.txt", "FewerThanTheNumbers", withCount("2")});
    all.push_back({"SpriteMonster.txt", "FewerThanTheNumbers", withCount("4")});
    return all;
}

// Which menu choice to pick on which screen, in order: the shop (ask, buy
// the next weapon, leave), the seer (take her errand, leave), then the
// hunting grounds and three attacks.
struct Goal {
    ScreenId screen;
    int choice;
};
const Goal ROUTE[] = {
    {SCREEN_TOWN, 1}, {SCREEN_SHOP, 0},   {SCREEN_SHOP, 2},   {SCREEN_SHOP, 3},
    {SCREEN_TOWN, 3}, {SCREEN_SEER, 0},   {SCREEN_SEER, 1},   {SCREEN_TOWN, 2},
    {SCREEN_HUNT, 0}, {SCREEN_BATTLE, 0}, {SCREEN_BATTLE, 0}, {SCREEN_BATTLE, 0},
};
constexpr std::size_t ROUTE_LENGTH = sizeof ROUTE / sizeof ROUTE[0];

// Keys for the route, frame by frame: Enter through the title, a notice and
// the story; a battle goal the fight no longer needs is skipped.
ScriptedIo::Decider routePlayer(std::size_t& reached) {
    return [&reached](const RecordedFrame& frame) -> std::string {
        if (!isPlayScreen(frame.screen) || frame.screen == SCREEN_STORY ||
            frame.screen == SCREEN_STRANGER) {
            return frame.screen == SCREEN_QUIT ? "" : ENTER;
        }
        while (reached < ROUTE_LENGTH && ROUTE[reached].screen != frame.screen &&
               ROUTE[reached].screen == SCREEN_BATTLE) {
            ++reached;
        }
        if (reached >= ROUTE_LENGTH || ROUTE[reached].screen != frame.screen) {
            return "";
        }
        // No menu to steer: the game ends, and the checks tell.
        return keysToChoose(frame.record.menu, ROUTE[reached++].choice);
    };
}

bool anyFrame(const GameResult& game, const std::function<bool(const RecordedFrame&)>& test) {
    for (const RecordedFrame& frame : game.frames) {
        if (test(frame)) {
            return true;
        }
    }
    return false;
}

class BadDataFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadDataFile, GameStartsReportsAndPlaysOn) {
    const BadFile& bad = GetParam();
    TempDir dir;
    dir.copyAssets();
    const auto damaged = bad.damage(readFile(dir.file(bad.file)));
    if (damaged) {
        dir.write(bad.file, *damaged);
    } else {
        dir.remove(bad.file);
        if (bad.directory) {
            std::filesystem::create_directory(dir.file(bad.file));
        }
    }

    std::size_t reached = 0;
    const GameResult game = playGame("", 1, routePlayer(reached), dir.path());
    ASSERT_GE(game.frames.size(), 3u);

    const std::string notice = "File " + bad.file + " not found";
    const bool missing = !damaged;
    const std::size_t firstPlayFrame = missing && bad.file != "Title.txt" ? 2 : 1;
    if (missing) {
        // The title (or, for a missing title, the notice in its place) and
        // then the notice waits for a key before the story begins.
        EXPECT_TRUE(screenContains(game.frames[firstPlayFrame - 1].grid, notice))
            << dumpFrame(game.frames[firstPlayFrame - 1].grid);
    }
    for (std::size_t i = firstPlayFrame; i + 1 < game.frames.size(); ++i) {
        const RecordedFrame& frame = game.frames[i];
        EXPECT_FALSE(missing == false && screenContains(frame.grid, "not found")) << i;
        const auto problems = checkPlayFrame(frame.grid, frame.record, frame.screen, frame.hero);
        ASSERT_TRUE(problems.empty()) << "frame " << i << ": " << problems.front() << "\n"
                                      << dumpFrame(frame.grid);
    }

    // The keys still work: the whole route was walked, each screen answered.
    EXPECT_GE(reached, ROUTE_LENGTH - 2) << dumpFrame(game.last().grid);
    EXPECT_TRUE(anyFrame(game, [](const RecordedFrame& f) {
        return f.screen == SCREEN_SHOP &&
               hasTextAt(f.grid, messageLine(0), "Я тут работаю продавцом.");
    })) << "the shopkeeper never answered";
    EXPECT_TRUE(anyFrame(game, [](const RecordedFrame& f) {
        return f.screen == SCREEN_SEER && hasTextAt(f.grid, menuItem(0), "1 - Я принес лапку");
    })) << "the seer never gave her errand";
    EXPECT_TRUE(anyFrame(game, [](const RecordedFrame& f) {
        return hasTextAt(f.grid, actionLine(0), "Джек ранил");
    })) << "no blow was struck";
}

std::string caseName(const ::testing::TestParamInfo<BadFile>& info) {
    std::string name = info.param.file.substr(0, info.param.file.find('.')) + "_" + info.param.what;
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BadDataFile, ::testing::ValuesIn(cases()), caseName);

}  // namespace
