#include "frame_recorder.h"

#include <string>

#include "core/game_state.h"
#include "game/game_loop.h"
#include "platform/key_codes.h"

namespace {

// Passes the frames and keys of a game through to another GameIo and keeps
// a copy of each frame with the screen it belongs to.
class RecordingIo : public GameIo {
  public:
    RecordingIo(GameIo& inner, Playthrough& record) : inner_(inner), record_(record) {}

    void present(const VirtualConsole& console) override {
        record_.frames.push_back(console.grid());
        record_.screens.push_back(g_screen);
        record_.keys.push_back(-1);
        record_.news.push_back(console.record().spoken.news);
        inner_.present(console);
    }

    int readKey() override {
        const int key = inner_.readKey();
        if (!record_.keys.empty()) {
            record_.keys.back() = key;
        }
        return key;
    }

  private:
    GameIo& inner_;
    Playthrough& record_;
};

// Enter until the stranger speaks, then one Down, then the end of input.
class ToTheStrangerIo : public GameIo {
  public:
    void present(const VirtualConsole& console) override {
        if (!done_) {
            frames_.push_back(console.grid());
        }
        if (g_screen == SCREEN_STRANGER && !pressedDown_) {
            keys_ = {char(KEY_ARROW_PREFIX), char(KEY_DOWN)};
            pressedDown_ = true;
        } else if (pressedDown_ && keys_.empty()) {
            done_ = true;  // this frame shows the Down's effect
        }
    }

    int readKey() override {
        if (done_) {
            return END_OF_INPUT;
        }
        if (!keys_.empty()) {
            const int key = static_cast<unsigned char>(keys_.front());
            keys_.erase(0, 1);
            return key;
        }
        return KEY_ENTER;
    }

    std::vector<VirtualConsole::Grid>& frames() { return frames_; }

  private:
    std::string keys_;
    bool pressedDown_ = false;
    bool done_ = false;
    std::vector<VirtualConsole::Grid> frames_;
};

}  // namespace

Playthrough recordPlaythrough(std::uint32_t seed) {
    Playthrough record;
    AutoPlayer player(AutoPlayer::Style::Careful);
    RecordingIo io(player, record);
    runGame(io, seed);
    record.outcome = player.outcome();
    record.fights = player.fightsStarted();
    return record;
}

std::vector<VirtualConsole::Grid> recordStrangerMenuMove() {
    ToTheStrangerIo io;
    runGame(io, PLAYTHROUGH_SEED);
    return std::move(io.frames());
}
