#include "frame_invariants.h"

#include <algorithm>
#include <cstdio>

#include "console/colours.h"
#include "core/hero.h"
#include "core/roubles.h"
#include "core/screen_layout.h"
#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

using Grid = VirtualConsole::Grid;

const VirtualConsole::Cell& at(const Grid& grid, int column, int row) {
    return grid[row * VirtualConsole::COLUMNS + column];
}

std::u32string textAt(const Grid& grid, int column, int row, int length) {
    std::u32string out;
    for (int c = column; c < column + length && c < VirtualConsole::COLUMNS; ++c) {
        out += at(grid, c, row).ch;
    }
    return out;
}

std::string utf8(const std::u32string& text) {
    std::string out;
    for (char32_t ch : text) {
        appendUtf8(ch, out);
    }
    return out;
}

std::u32string fromCp1251(const char* text) {
    std::u32string out;
    for (; *text != '\0'; ++text) {
        out += decodeCp1251(static_cast<unsigned char>(*text));
    }
    return out;
}

// The text stands at the place; otherwise a line saying what is there.
void expectText(const Grid& grid, ScreenPlace place, const std::u32string& text, const char* what,
                std::vector<std::string>& problems) {
    const std::u32string actual =
        textAt(grid, place.column, place.row, static_cast<int>(text.size()));
    if (actual != text) {
        problems.push_back(std::string(what) + " missing at column " +
                           std::to_string(place.column) + ", row " + std::to_string(place.row) +
                           ": expected \"" + utf8(text) + "\", found \"" + utf8(actual) + "\"");
    }
}

void checkFrameLines(const Grid& grid, std::vector<std::string>& problems) {
    const std::u32string bar(VirtualConsole::COLUMNS - 2, U'-');
    expectText(grid, {0, 0}, U"." + bar + U".", "top of the frame", problems);
    expectText(grid, {0, VirtualConsole::ROWS - 1}, U"'" + bar + U"'", "bottom of the frame",
               problems);
    for (int row = 1; row < VirtualConsole::ROWS - 1; ++row) {
        if (at(grid, 0, row).ch != U'|' || at(grid, VirtualConsole::COLUMNS - 1, row).ch != U'|') {
            problems.push_back("side of the frame missing on row " + std::to_string(row));
            return;
        }
    }
}

void checkPanel(const Grid& grid, const FrameRecord& record, const Hero& hero,
                std::vector<std::string>& problems) {
    expectText(grid, layout::HERO_NAME, U"Джек Белибье", "the hero's name", problems);
    const std::u32string hitPoints =
        decodeUtf8(std::to_string(hero.hp) + " / " + std::to_string(hero.maxHp) + " HP");
    expectText(grid, layout::HERO_HIT_POINTS, hitPoints, "hit points", problems);
    const std::u32string money =
        decodeUtf8(std::to_string(hero.money) + " ") + fromCp1251(roubleWord(hero.money));
    expectText(grid, layout::HERO_MONEY, money, "money", problems);
    const HeroRecord& noted = record.hero;
    if (!noted.shown || noted.hp != hero.hp || noted.maxHp != hero.maxHp ||
        noted.money != hero.money || noted.potions != hero.potions) {
        problems.push_back("the record's status is not the hero's");
    }
}

// The menu the record notes is the one drawn: each choice numbered at its
// row, the highlighted one green and only that one.
void checkMenu(const Grid& grid, const FrameRecord& record, std::vector<std::string>& problems) {
    const MenuRecord& menu = record.menu;
    if (!menu.shown()) {
        problems.push_back("no menu");
        return;
    }
    if (menu.highlighted < 0) {
        problems.push_back("no menu choice highlighted");
    }
    for (std::size_t i = 0; i < menu.choices.size(); ++i) {
        const ScreenPlace place{menu.column, menu.rows[i]};
        // A choice too long for the message box runs under its right edge.
        const int room = layout::MESSAGE_BOX.right + 1 - place.column;
        const std::u32string label = decodeUtf8(std::to_string(i + 1) + " - " + menu.choices[i])
                                         .substr(0, std::size_t(room));
        expectText(grid, place, label, "a menu choice", problems);
        const std::uint8_t wanted = int(i) == menu.highlighted ? COLOUR_GREEN : COLOUR_GREY;
        for (int c = 0; c < int(label.size()) && place.column + c < VirtualConsole::COLUMNS; ++c) {
            if (at(grid, place.column + c, place.row).colour != wanted) {
                problems.push_back("menu choice " + std::to_string(i + 1) + " in a stray colour");
                break;
            }
        }
    }
}

bool said(const std::vector<std::string>& news, const std::string& words) {
    return std::any_of(news.begin(), news.end(), [&](const std::string& piece) {
        return piece.find(words) != std::string::npos;
    });
}

void expectSaid(const FrameRecord& now, const std::string& words, const char* what,
                std::vector<std::string>& problems) {
    if (!said(now.spoken.news, words)) {
        problems.push_back(std::string(what) + " not said: \"" + words + "\"");
    }
}

}  // namespace

bool isPlayScreen(ScreenId screen) {
    switch (screen) {
        case SCREEN_TOWN:
        case SCREEN_SHOP:
        case SCREEN_HUNT:
        case SCREEN_BATTLE:
        case SCREEN_STRANGER:
        case SCREEN_STORY:
        case SCREEN_SEER:
        case SCREEN_INDIAN:
        case SCREEN_EXIT_CONFIRM:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> checkPlayFrame(const Grid& grid, const FrameRecord& record,
                                        ScreenId screen, const Hero& hero) {
    std::vector<std::string> problems;
    if (!isPlayScreen(screen)) {
        problems.push_back("unknown screen id " + std::to_string(screen));
    }
    checkFrameLines(grid, problems);
    checkPanel(grid, record, hero, problems);
    checkMenu(grid, record, problems);
    return problems;
}

std::vector<std::string> checkNews(const FrameRecord& before, const FrameRecord& now) {
    std::vector<std::string> problems;
    for (const ActionRecord& action : now.actions) {
        expectSaid(now, action.spoken, "a one-frame answer", problems);
    }
    const HeroRecord& hero = now.hero;
    if (hero.shown && before.hero.shown) {
        if (hero.hp != before.hero.hp) {
            expectSaid(now, std::to_string(hero.hp) + u8" из " + std::to_string(hero.maxHp),
                       "the hit points", problems);
        }
        if (hero.money != before.hero.money) {
            expectSaid(now, std::to_string(hero.money) + " " + hero.moneyWord, "the money",
                       problems);
        }
        if (hero.potions != before.hero.potions) {
            expectSaid(now, u8"зелий: " + std::to_string(hero.potions), "the potions", problems);
        }
    }
    if (now.enemy.shown && now.enemy.hp > 0 &&
        (!before.enemy.shown || now.enemy.hp != before.enemy.hp)) {
        expectSaid(now, std::to_string(now.enemy.hp) + " HP", "the enemy's hit points", problems);
    }
    const MenuRecord& menu = now.menu;
    if (!now.over && menu.highlighted >= 0 &&
        (before.kind != now.kind || menu.highlighted != before.menu.highlighted)) {
        expectSaid(now, menu.choices[std::size_t(menu.highlighted)], "the highlighted choice",
                   problems);
    }
    if (now.spoken.news.empty()) {
        problems.push_back("a key answered by nothing");
    }
    return problems;
}

std::string rowUtf8(const Grid& grid, int row) {
    return utf8(textAt(grid, 0, row, VirtualConsole::COLUMNS));
}

std::string frameUtf8(const Grid& grid) {
    std::string out;
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d ", row);
        out += number + rowUtf8(grid, row) + "|\n";
    }
    return out;
}
