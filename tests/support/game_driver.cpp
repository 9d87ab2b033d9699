#include "support/game_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/game_state.h"
#include "game/game_loop.h"

std::string repeat(const std::string& keys, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += keys;
    }
    return out;
}

ScriptedIo::ScriptedIo(std::string keys, Decider decider, std::size_t maxFrames)
    : keys_(std::move(keys)), decider_(std::move(decider)), maxFrames_(maxFrames) {}

void ScriptedIo::present(const VirtualConsole& console) {
    RecordedFrame frame;
    frame.grid = console.grid();
    frame.record = console.record();
    frame.screen = g_screen;
    frame.haveHero = g_hero != nullptr;
    if (g_hero) {
        frame.hero = *g_hero;
    }
    frame.questStage = g_questStage;
    frame.index = frames.size();
    frames.push_back(frame);
}

int ScriptedIo::readKey() {
    if (next_ >= keys_.size() && decider_ && !frames.empty() && frames.size() < maxFrames_) {
        keys_ += decider_(frames.back());
    }
    if (next_ >= keys_.size()) {
        return END_OF_INPUT;
    }
    return static_cast<unsigned char>(keys_[next_++]);
}

std::string assetsDir() {
    return AE_ASSETS_DIR;
}

WorkingDirectory::WorkingDirectory(const std::string& path) {
    std::error_code error;
    previous_ = std::filesystem::current_path(error);
    std::filesystem::current_path(path, error);
    if (error) {
        ADD_FAILURE() << "cannot work in " << path << ": " << error.message();
    }
}

WorkingDirectory::~WorkingDirectory() {
    if (previous_.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    if (error) {
        std::abort();
    }
}

GameResult playGame(const std::string& keys, std::uint32_t seed, ScriptedIo::Decider decider,
                    const std::string& dataDir) {
    WorkingDirectory here(dataDir.empty() ? assetsDir() : dataDir);
    ScriptedIo io(keys, std::move(decider));
    GameResult result;
    runGame(io, seed);
    result.frames = std::move(io.frames);
    return result;
}

GameResult playSteps(const std::vector<Step>& steps, std::uint32_t seed,
                     const std::string& dataDir) {
    std::size_t next = 0;
    std::vector<std::size_t> stepFrames;
    GameResult result = playGame(
        "", seed,
        [&](const RecordedFrame& frame) {
            if (next >= steps.size()) {
                return std::string();
            }
            stepFrames.push_back(frame.index);
            return steps[next++]();
        },
        dataDir);
    result.stepFrames = std::move(stepFrames);
    return result;
}
