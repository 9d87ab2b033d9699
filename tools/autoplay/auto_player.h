#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/quest.h"
#include "platform/game_io.h"
#include "platform/virtual_console.h"
#include "screens/shop_screen.h"

// The keys that take a menu's choice: Down until the highlight stands on
// it, then Enter; "" where the menu has no highlighted choice.
std::string keysToChoose(const MenuRecord& menu, int item);

using StageCounts = std::array<int, QUEST_STAGE_FINAL + 1>;
using PerWeapon = std::array<int, LAST_WEAPON + 1>;

// A player that plays the whole game through the real frame loop: it reads
// what the frame it is shown means (which menu item is highlighted) and the
// hero's state, and answers with the keys a person would press. The careful player
// drinks potions in time, flees when a blow could kill him, shops for better
// weapons and takes on the story enemies only when ready; the reckless one
// just attacks. Used by the balance simulation, the frame recorder and the
// end-to-end tests.
class AutoPlayer : public GameIo {
  public:
    enum class Style { Careful, Reckless };
    enum class Outcome { Running, Victory, Death, Stuck };

    explicit AutoPlayer(Style style, std::size_t maxKeys = 200000, bool recordFrames = false);

    void present(const VirtualConsole& console) override;
    int readKey() override;

    // The weapon the careful player wants before he faces the demon.
    void setDemonWeapon(int weapon) { demonWeapon_ = weapon; }
    // The best weapon the careful player will buy.
    void setWeaponLimit(int weapon) { weaponLimit_ = weapon; }
    // Prints each fight's start to standard error.
    void setTrace(bool trace) { trace_ = trace; }
    // Shown every frame the player is shown, before he decides.
    void setWatcher(std::function<void(const VirtualConsole&)> watcher) {
        watcher_ = std::move(watcher);
    }
    Outcome outcome() const { return outcome_; }
    int fightsStarted() const { return fights_; }
    // Fights started at each quest stage: the swamp, the desert, the underworld.
    const StageCounts& fightsPerStage() const { return fightsPerStage_; }
    // The weapon in hand when the demon was first faced; -1 when he never was.
    int weaponAtDemon() const { return weaponAtDemon_; }
    // For each weapon, how many fights had been started when it was bought;
    // -1 for the first weapon and for one never bought.
    const PerWeapon& weaponBoughtAfter() const { return weaponBoughtAfter_; }
    std::size_t keysPressed() const { return keysPressed_; }
    // Every presented grid, in order, when recording was asked for.
    const std::vector<VirtualConsole::Grid>& frames() const { return frames_; }

  private:
    std::string decide(const VirtualConsole& console);
    std::string choose(const VirtualConsole& console, int item) const;
    std::string town(const VirtualConsole& console);
    std::string shop(const VirtualConsole& console) const;
    std::string hunt(const VirtualConsole& console) const;
    std::string battle(const VirtualConsole& console) const;
    std::string indian(const VirtualConsole& console);
    bool wantsToShop() const;
    bool readyForStoryFight() const;

    Style style_;
    std::size_t maxKeys_;
    bool record_;
    std::string pending_;
    std::size_t keysPressed_ = 0;
    int fights_ = 0;
    StageCounts fightsPerStage_{};
    int weaponAtDemon_ = -1;
    int lastWeapon_ = 0;
    PerWeapon weaponBoughtAfter_;
    int lastScreen_ = 0;
    int prophecyEnters_ = 0;
    Outcome outcome_ = Outcome::Running;
    bool trace_ = false;
    int demonWeapon_ = 3;
    int weaponLimit_ = LAST_WEAPON;
    std::vector<VirtualConsole::Grid> frames_;
    std::function<void(const VirtualConsole&)> watcher_;
};

// Plays one whole game with the given seed in the working directory's data
// files and reports how it went.
struct AutoGame {
    AutoPlayer::Outcome outcome;
    int fights;
    std::size_t keys;
    int exitStatus;
    StageCounts fightsPerStage;
    int weaponAtDemon;
    PerWeapon weaponBoughtAfter;
};
struct AutoGameOptions {
    int demonWeapon = 3;
    int weaponLimit = LAST_WEAPON;
    bool trace = false;
};
AutoGame playAutoGame(AutoPlayer::Style style, std::uint32_t seed,
                      const AutoGameOptions& options = {});
