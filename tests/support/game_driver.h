#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/hero.h"
#include "core/screen_ids.h"
#include "platform/game_io.h"
#include "platform/virtual_console.h"

// Keys as the console read delivers them.
inline const std::string ENTER = "\r";
inline const std::string DOWN = "\xE0\x50";
inline const std::string UP = "\xE0\x48";

std::string repeat(const std::string& keys, int times);

// What the player saw each time the game waited for a key, with the state
// behind it for the tests that need to know more than the screen shows.
struct RecordedFrame {
    VirtualConsole::Grid grid;
    FrameRecord record;  // what the frame means, as the game noted it
    ScreenId screen = 0;
    bool haveHero = false;
    Hero hero;
    std::int32_t questStage = 0;
    std::size_t index = 0;  // its place among the recorded frames
};

// Plays the real game loop: keys come from a script and, when it runs out,
// from an optional decider that sees the last frame; when neither has a
// key, input ends and the game finishes as it does on a closed terminal.
class ScriptedIo : public GameIo {
  public:
    using Decider = std::function<std::string(const RecordedFrame&)>;

    explicit ScriptedIo(std::string keys, Decider decider = nullptr, std::size_t maxFrames = 20000);

    void present(const VirtualConsole& console) override;
    int readKey() override;

    std::vector<RecordedFrame> frames;
    int finalPresents = 0;

  private:
    std::string keys_;
    std::size_t next_ = 0;
    Decider decider_;
    std::size_t maxFrames_;
};

struct GameResult {
    std::vector<RecordedFrame> frames;
    // For playSteps: the frame on view when each step began.
    std::vector<std::size_t> stepFrames;

    const RecordedFrame& last() const { return frames.back(); }
    // What the player saw once step's keys had all been pressed.
    const RecordedFrame& afterStep(std::size_t step) const {
        return step + 1 < stepFrames.size() ? frames[stepFrames[step + 1]] : frames.back();
    }
};

// Runs the game with the data files of dataDir (the real assets by default)
// as its working directory.
GameResult playGame(const std::string& keys, std::uint32_t seed = 1,
                    ScriptedIo::Decider decider = nullptr, const std::string& dataDir = "");

// Plays the game one step at a time. A step runs when the game waits for a
// key and the previous step's keys are all used up; it may set the game's
// state (standing in for what happened earlier in a game) and returns the
// keys to press next. Input ends after the last step. The data files are
// dataDir's, the real assets by default.
using Step = std::function<std::string()>;
GameResult playSteps(const std::vector<Step>& steps, std::uint32_t seed = 1,
                     const std::string& dataDir = "");

// Keys from the title to the town: the title, four story pages, the stranger.
inline const std::string TO_TOWN = "t" + repeat(ENTER, 5);

// The steps most screen tests take: to the town, and a plain Enter.
inline const Step toTown = [] { return TO_TOWN; };
inline const Step enter = [] { return ENTER; };

std::string assetsDir();

// Changes the working directory for its lifetime.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();

  private:
    std::filesystem::path previous_;
};
