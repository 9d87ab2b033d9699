#include "game/narrator.h"

#include <iterator>

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
    frame.spoken.news = news(frame, key);
    last_ = frame;
}

std::vector<std::string> Narrator::news(const FrameRecord& frame, unsigned char key) {
    std::vector<std::string> said;
    if (frame.kind == ScreenKind::Title && last_.kind != ScreenKind::Title) {
        say(said, u8"Древнее Зло.");
        for (const std::string& words : frame.title) {
            say(said, sentence(words));
        }
    }
    for (std::size_t i = last_.kind == frame.kind ? last_.notices.size() : 0;
         i < frame.notices.size(); ++i) {
        say(said, sentence(frame.notices[i]));
    }
    for (const ActionRecord& action : frame.actions) {
        say(said, sentence(action.spoken));
    }

    const bool sameScreen = frame.kind == last_.kind;
    if (frame.kind == ScreenKind::Battle && !sameScreen) {
        forget(ScreenKind::Battle);  // a fight is new each time: its title is said
    }
    const bool answer = sameScreen && key == KEY_ENTER;
    const std::string lines = paragraph(frame.lines);
    const bool changed = !sameScreen || lines != paragraph(last_.lines);
    const bool heard = heard_.count({frame.kind, lines}) > 0;
    // The answer to Enter, unless the one-frame lines gave it; and never
    // the last frame's words again at the end, where Enter only closed.
    const bool answered = answer && frame.actions.empty() && !frame.over;
    if (!lines.empty() && ((changed && (!heard || answer)) || answered)) {
        say(said, lines);
    }
    heard_.insert({frame.kind, lines});

    tellNumbers(frame, said);

    if (frame.over) {
        say(said, u8"Игра окончена.");
        return said;
    }
    const MenuRecord& menu = frame.menu;
    const bool moved = !sameScreen || menu.highlighted != last_.menu.highlighted ||
                       choiceSaid(menu) != choiceSaid(last_.menu);
    if (moved || said.empty()) {
        say(said, choiceSaid(menu));
    }
    return said;
}

void Narrator::forget(ScreenKind kind) {
    for (auto it = heard_.begin(); it != heard_.end();) {
        it = it->first == kind ? heard_.erase(it) : std::next(it);
    }
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
