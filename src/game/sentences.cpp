#include "game/sentences.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void append(std::string& said, const std::string& more) {
    if (more.empty()) {
        return;
    }
    if (!said.empty()) {
        said += ' ';
    }
    said += more;
}

}  // namespace

std::string sentence(const std::string& text) {
    std::string said = trimmed(text);
    if (said.empty()) {
        return said;
    }
    const char last = said.back();
    if (last != '.' && last != '!' && last != '?' && !endsWith(said, u8"…")) {
        said += '.';
    }
    return said;
}

std::string paragraph(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        append(joined, trimmed(line));
    }
    return sentence(joined);
}

std::string choiceSaid(const MenuRecord& menu) {
    const int chosen = menu.highlighted;
    if (chosen < 0 || chosen >= int(menu.choices.size())) {
        return "";
    }
    return sentence(std::to_string(chosen + 1) + u8" из " + std::to_string(menu.choices.size()) +
                    ": " + trimmed(menu.choices[std::size_t(chosen)]));
}

std::string hitPointsSaid(const HeroRecord& hero) {
    return u8"Здоровье: " + std::to_string(hero.hp) + u8" из " + std::to_string(hero.maxHp) + ".";
}

std::string moneySaid(const HeroRecord& hero) {
    return u8"Деньги: " + std::to_string(hero.money) + " " + hero.moneyWord + ".";
}

std::string potionsSaid(const HeroRecord& hero) {
    return u8"Лечебных зелий: " + std::to_string(hero.potions) + ".";
}

std::string weaponSaid(const HeroRecord& hero) {
    return sentence(u8"Оружие: " + trimmed(hero.weapon) + u8", урон от " +
                    std::to_string(hero.attackMin) + u8" до " + std::to_string(hero.attackMax));
}

std::string enemySaid(const EnemyRecord& enemy) {
    return u8"У врага " + std::to_string(enemy.hp) + " HP.";
}

std::string statusSaid(const FrameRecord& frame) {
    const HeroRecord& hero = frame.hero;
    if (!hero.shown) {
        return "";
    }
    std::string said = hitPointsSaid(hero);
    append(said, moneySaid(hero));
    append(said, potionsSaid(hero));
    append(said, weaponSaid(hero));
    if (!hero.trophy.empty()) {
        append(said, sentence(u8"При себе: " + trimmed(hero.trophy)));
    }
    if (frame.enemy.shown) {
        append(said, enemySaid(frame.enemy));
    }
    return said;
}

std::string screenSaid(const FrameRecord& frame) {
    std::string said;
    for (const std::string& words : frame.title) {
        append(said, sentence(words));
    }
    for (const std::string& notice : frame.notices) {
        append(said, sentence(notice));
    }
    for (const ActionRecord& action : frame.actions) {
        append(said, sentence(action.spoken));
    }
    append(said, paragraph(frame.lines));
    if (frame.over) {
        append(said, u8"Игра окончена.");
        return said;
    }
    const MenuRecord& menu = frame.menu;
    for (std::size_t i = 0; i < menu.choices.size(); ++i) {
        append(said,
               sentence(u8"Вариант " + std::to_string(i + 1) + ": " + trimmed(menu.choices[i])));
    }
    if (menu.highlighted >= 0) {
        append(said, u8"Выбран вариант " + std::to_string(menu.highlighted + 1) + ".");
    }
    return said;
}
