#include "frame_invariants.h"

#include <cstdio>

#include "console/colours.h"
#include "core/hero.h"
#include "core/roubles.h"
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

std::u32string ascii(const std::string& text) {
    return std::u32string(text.begin(), text.end());
}

std::u32string fromCp1251(const char* text) {
    std::u32string out;
    for (; *text != '\0'; ++text) {
        out += decodeCp1251(static_cast<unsigned char>(*text));
    }
    return out;
}

// The text stands at (column, row); otherwise a line saying what is there.
void expectText(const Grid& grid, int column, int row, const std::u32string& text, const char* what,
                std::vector<std::string>& problems) {
    const std::u32string actual = textAt(grid, column, row, static_cast<int>(text.size()));
    if (actual != text) {
        problems.push_back(std::string(what) + " missing at column " + std::to_string(column) +
                           ", row " + std::to_string(row) + ": expected \"" + utf8(text) +
                           "\", found \"" + utf8(actual) + "\"");
    }
}

void checkFrameLines(const Grid& grid, std::vector<std::string>& problems) {
    const std::u32string bar(VirtualConsole::COLUMNS - 2, U'-');
    expectText(grid, 0, 0, U"." + bar + U".", "top of the frame", problems);
    expectText(grid, 0, VirtualConsole::ROWS - 1, U"'" + bar + U"'", "bottom of the frame",
               problems);
    for (int row = 1; row < VirtualConsole::ROWS - 1; ++row) {
        if (at(grid, 0, row).ch != U'|' || at(grid, VirtualConsole::COLUMNS - 1, row).ch != U'|') {
            problems.push_back("side of the frame missing on row " + std::to_string(row));
            return;
        }
    }
}

void checkPanel(const Grid& grid, const Hero& hero, std::vector<std::string>& problems) {
    expectText(grid, 6, 17, U"Джек Белибье", "the hero's name", problems);
    char number[64];
    std::snprintf(number, sizeof number, "%d / %d HP", int(hero.hp), int(hero.maxHp));
    expectText(grid, 8, 18, ascii(number), "hit points", problems);
    std::snprintf(number, sizeof number, "%d", int(hero.money));
    expectText(grid, 8, 19, ascii(number) + U" " + fromCp1251(roubleWord(hero.money)), "money",
               problems);
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

MenuOnScreen readMenu(const Grid& grid) {
    MenuOnScreen menu;
    for (int i = 0; MENU_ROW + 2 * i < VirtualConsole::ROWS; ++i) {
        const int row = MENU_ROW + 2 * i;
        const std::u32string label = ascii(std::to_string(i + 1) + " - ");
        if (textAt(grid, MENU_COLUMN, row, static_cast<int>(label.size())) != label) {
            break;
        }
        ++menu.count;
        // The whole label, number and dash, is in one colour.
        const std::uint8_t colour = at(grid, MENU_COLUMN, row).colour;
        for (int c = 1; c < static_cast<int>(label.size()); ++c) {
            if (at(grid, MENU_COLUMN + c, row).colour != colour) {
                return MenuOnScreen{menu.count, -2};
            }
        }
        if (colour == COLOUR_GREEN) {
            menu.highlighted = menu.highlighted == -1 ? i : -2;
        } else if (colour != COLOUR_GREY) {
            return MenuOnScreen{menu.count, -2};
        }
    }
    return menu;
}

std::vector<std::string> checkPlayFrame(const Grid& grid, ScreenId screen, const Hero& hero) {
    std::vector<std::string> problems;
    if (!isPlayScreen(screen)) {
        problems.push_back("unknown screen id " + std::to_string(screen));
    }
    checkFrameLines(grid, problems);
    checkPanel(grid, hero, problems);
    const MenuOnScreen menu = readMenu(grid);
    if (menu.count == 0) {
        problems.push_back("no menu at column 32, row 36");
    } else if (menu.highlighted == -1) {
        problems.push_back("no menu choice highlighted");
    } else if (menu.highlighted == -2) {
        problems.push_back("more than one menu choice highlighted, or one in a stray colour");
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
