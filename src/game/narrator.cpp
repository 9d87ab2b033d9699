#include "game/narrator.h"

#include <algorithm>

#include "game/sentences.h"
#include "platform/key_codes.h"

namespace {

void say(std::vector<std::string>& said, const std::string& words) {
    if (!words.empty()) {
        said.push_back(words);
    }
}

}  // namespace

void Narrator::tell(FrameRecord& frame, unsigned char key) {
    frame.spoken.status = statusSaid(frame);
    frame.spoken.screen = screenSaid(frame);
    if (key == KEY_ARROW_PREFIX) {
        return;
    }
    const std::string lines = paragraph(frame.lines);
    const std::string choice = choiceSaid(frame.menu);
    frame.spoken.news = news(frame, lines, choice, key);
    last_ = {frame.kind, frame.notices.size(), lines, choice, frame.menu.highlighted,
             frame.hero, frame.enemy};
}

bool Narrator::heardBefore(ScreenKind kind, const std::string& lines) {
    const auto same = [&](const Heard& heard) {
        return heard.kind == kind && heard.lines == lines;
    };
    if (std::any_of(heard_.begin(), heard_.end(), same)) {
        return true;
    }
    heard_.push_back({kind, lines});
    return false;
}

std::vector<std::string> Narrator::news(const FrameRecord& frame, const std::string& lines,
                                        const std::string& choice, unsigned char key) {
    std::vector<std::string> said;
    const bool sameScreen = frame.kind == last_.kind;
    if (frame.kind == ScreenKind::Title && !sameScreen) {
        say(said, u8"Древнее Зло.");
        for (const std::string& words : frame.title) {
            say(said, sentence(words));
        }
    }
    for (std::size_t i = sameScreen ? last_.notices : 0; i < frame.notices.size(); ++i) {
        say(said, sentence(frame.notices[i]));
    }
    for (const ActionRecord& action : frame.actions) {
        say(said, sentence(action.spoken));
    }

    if (frame.kind == ScreenKind::Battle && !sameScreen) {
        // A fight is new each time: its title is said.
        heard_.erase(
            std::remove_if(heard_.begin(), heard_.end(),
                           [](const Heard& heard) { return heard.kind == ScreenKind::Battle; }),
            heard_.end());
    }
    const bool answer = sameScreen && key == KEY_ENTER;
    const bool changed = !sameScreen || lines != last_.lines;
    const bool heard = heardBefore(frame.kind, lines);
    // The answer to Enter, unless the one-frame lines gave it; and never
    // the last frame's words again at the end, where Enter only closed.
    const bool answered = answer && frame.actions.empty() && !frame.over;
    if (!lines.empty() && ((changed && (!heard || answer)) || answered)) {
        say(said, lines);
    }

    tellNumbers(frame, said);

    if (frame.over) {
        say(said, u8"Игра окончена.");
        return said;
    }
    const bool moved =
        !sameScreen || frame.menu.highlighted != last_.highlighted || choice != last_.choice;
    if (moved || said.empty()) {
        say(said, choice);
    }
    return said;
}

// The numbers a key changed: the hero's, and the enemy's in a fight, which
// is also told as it starts.
void Narrator::tellNumbers(const FrameRecord& frame, std::vector<std::string>& said) const {
    const HeroRecord& hero = frame.hero;
    const HeroRecord& before = last_.hero;
    if (hero.shown && before.shown) {
        if (hero.weapon != before.weapon || hero.attackMin != before.attackMin ||
            hero.attackMax != before.attackMax) {
            say(said, weaponSaid(hero));
        }
        if (hero.hp != before.hp || hero.maxHp != before.maxHp) {
            say(said, hitPointsSaid(hero));
        }
        if (hero.money != before.money) {
            say(said, moneySaid(hero));
        }
        if (hero.potions != before.potions) {
            say(said, potionsSaid(hero));
        }
    }
    const EnemyRecord& enemy = frame.enemy;
    // A beaten enemy's last hit points say nothing the kill does not.
    const bool started = frame.kind != last_.kind || !last_.enemy.shown;
    if (enemy.shown && enemy.hp > 0 && (started || enemy.hp != last_.enemy.hp)) {
        say(said, enemySaid(enemy));
    }
}
