#include "soak_run.h"

#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "frame_invariants.h"
#include "game/game_loop.h"
#include "platform/game_io.h"
#include "platform/key_codes.h"
#include "random_keys.h"
#include "screens/shared_screens.h"
#include "screens/story_screen.h"

namespace {

bool showsFrameTop(const VirtualConsole::Grid& grid) {
    return grid[0].ch == U'.' && grid[1].ch == U'-';
}

bool mentionsMissingFile(const VirtualConsole::Grid& grid) {
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        if (rowUtf8(grid, row).find("not found") != std::string::npos) {
            return true;
        }
    }
    return false;
}

class SoakIo : public GameIo {
  public:
    SoakIo(const SoakOptions& options, SoakReport& report)
        : keys_(options.seed),
          bytesLeft_(options.bytes),
          keep_(options.reportedProblems),
          report_(report) {}

    void startGame() {
        presents_ = 0;
        lastScreen_ = 0;
        told_ = FrameRecord{};
        ++report_.games;
    }
    bool inputEnded() const { return inputEnded_; }

    void present(const VirtualConsole& console) override {
        ++report_.framesPresented;
        ++presents_;
        const auto& grid = console.grid();
        const FrameRecord& record = console.record();
        // Half an arrow tells nothing; the frame after it tells both halves.
        const bool told = g_key != KEY_ARROW_PREFIX;
        if (presents_ == 1 || inputEnded_) {
            told_ = record;
            return;  // the title, or the frame left on view when the keys ran out
        }
        if (g_screen == SCREEN_QUIT) {
            countEnding();
            return;
        }
        if (presents_ == 2 && !showsFrameTop(grid) && mentionsMissingFile(grid)) {
            return;  // a loader's missing-file notice under the title
        }
        ++report_.framesChecked;
        if (g_screen == SCREEN_BATTLE && lastScreen_ != SCREEN_BATTLE) {
            ++report_.fights;
        }
        lastScreen_ = g_screen;
        highlighted_ = record.menu.highlighted;
        if (g_questStage > report_.highestQuestStage) {
            report_.highestQuestStage = g_questStage;
        }
        std::vector<std::string> problems =
            g_hero ? checkPlayFrame(grid, record, g_screen, *g_hero)
                   : std::vector<std::string>{"a frame of play without a hero"};
        if (told) {
            for (const std::string& problem : checkNews(told_, record)) {
                problems.push_back(problem);
            }
            told_ = record;
        }
        if (problems.empty()) {
            return;
        }
        report_.problemCount += problems.size();
        if (report_.problems.size() < keep_) {
            std::string text = "game " + std::to_string(report_.games) + ", byte " +
                               std::to_string(report_.bytesUsed) + ", screen " +
                               std::to_string(g_screen) + ":\n";
            for (const std::string& problem : problems) {
                text += "  " + problem + "\n";
            }
            report_.problems.push_back(text + frameUtf8(grid));
        }
    }

    int readKey() override {
        if (next_ >= pending_.size()) {
            if (bytesLeft_ == 0) {
                inputEnded_ = true;
                return END_OF_INPUT;
            }
            pending_ = nextKey();
            if (pending_.size() > bytesLeft_) {
                pending_.resize(bytesLeft_);
            }
            next_ = 0;
        }
        --bytesLeft_;
        ++report_.bytesUsed;
        return static_cast<unsigned char>(pending_[next_++]);
    }

  private:
    // Random keys, except that on the exit confirmation the player mostly
    // steps off "yes": a game that quits at every chance never gets deep.
    std::string nextKey() {
        if (g_screen == SCREEN_EXIT_CONFIRM && highlighted_ == 0 && !keys_.oneIn(10)) {
            return "\xE0\x50";
        }
        return keys_.next();
    }

    void countEnding() {
        if (lastScreen_ == SCREEN_EXIT_CONFIRM) {
            ++report_.leftByChoice;
        } else if (g_story && g_story->page >= DEATH_PAGE) {
            ++report_.deaths;
        } else {
            ++report_.victories;
        }
    }

    RandomKeys keys_;
    std::size_t bytesLeft_;
    std::size_t keep_;
    SoakReport& report_;
    std::string pending_;
    std::size_t next_ = 0;
    bool inputEnded_ = false;
    int presents_ = 0;
    ScreenId lastScreen_ = 0;
    int highlighted_ = -1;
    FrameRecord told_;  // the last frame whose news a player heard
};

}  // namespace

SoakReport runSoak(const SoakOptions& options) {
    SoakReport report;
    SoakIo io(options, report);
    do {
        io.startGame();
        runGame(io, options.seed + static_cast<std::uint32_t>(report.games));
    } while (!io.inputEnded());
    return report;
}

std::string describe(const SoakReport& report) {
    std::string text;
    text += "bytes " + std::to_string(report.bytesUsed) + ", frames " +
            std::to_string(report.framesPresented) + " (" + std::to_string(report.framesChecked) +
            " checked)\n";
    text += "games " + std::to_string(report.games) + ": " + std::to_string(report.leftByChoice) +
            " left by choice, " + std::to_string(report.victories) + " won, " +
            std::to_string(report.deaths) + " died, the last cut off by the end of the keys\n";
    text += "fights " + std::to_string(report.fights) + ", highest quest stage " +
            std::to_string(report.highestQuestStage) + "\n";
    text += "problems " + std::to_string(report.problemCount) + "\n";
    for (const std::string& problem : report.problems) {
        text += problem;
    }
    return text;
}
