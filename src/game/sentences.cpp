#include "game/sentences.h"

#include <cstdarg>

#include "console/print_format.h"
#include "console/printf_like.h"

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

void append(std::string& said, const std::string& more) {
    if (more.empty()) {
        return;
    }
    if (!said.empty()) {
        said += ' ';
    }
    said += more;
}

// A sentence formatted printf style.
std::string formatted(const char* format, ...) PRINTF_LIKE(1, 2);
std::string formatted(const char* format, ...) {
    va_list values;
    va_start(values, format);
    std::string text = formatArguments(format, values);
    va_end(values);
    return text;
}

}  // namespace

std::string sentence(const std::string& text) {
    std::string said = trimmed(text);
    const char last = said.empty() ? '.' : said.back();
    const bool ellipsis = said.size() >= 3 && said.compare(said.size() - 3, 3, u8"…") == 0;
    if (last != '.' && last != '!' && last != '?' && !ellipsis) {
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
    return sentence(formatted(u8"%d из %d: %s", chosen + 1, int(menu.choices.size()),
                              trimmed(menu.choices[std::size_t(chosen)]).c_str()));
}

std::string hitPointsSaid(const HeroRecord& hero) {
    return formatted(u8"Здоровье: %d из %d.", int(hero.hp), int(hero.maxHp));
}

std::string moneySaid(const HeroRecord& hero) {
    return formatted(u8"Деньги: %d %s.", int(hero.money), hero.moneyWord.c_str());
}

std::string potionsSaid(const HeroRecord& hero) {
    return formatted(u8"Лечебных зелий: %d.", int(hero.potions));
}

std::string weaponSaid(const HeroRecord& hero) {
    return sentence(formatted(u8"Оружие: %s, урон от %d до %d", trimmed(hero.weapon).c_str(),
                              int(hero.attackMin), int(hero.attackMax)));
}

std::string enemySaid(const EnemyRecord& enemy) {
    return formatted(u8"У врага %d HP.", int(enemy.hp));
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
        append(said, sentence(formatted(u8"Вариант %d: %s", int(i + 1),
                                        trimmed(menu.choices[i]).c_str())));
    }
    if (menu.highlighted >= 0) {
        append(said, formatted(u8"Выбран вариант %d.", menu.highlighted + 1));
    }
    return said;
}
