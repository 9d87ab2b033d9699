#include "core/menu.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/screen_layout.h"
#include "core/text_format.h"
#include "platform/code_pages.h"
#include "platform/frame_record.h"
#include "platform/key_codes.h"

Menu::Menu() {
    clear();
}

void Menu::addItem(MenuItem item) {
    if (count + 1 > MENU_CAPACITY) {
        writeRaw("Too many menu items");
        return;
    }
    items[count] = item;
    ++count;
}

void Menu::setItem(std::int32_t index, MenuItem item) {
    if (index < 0 || index >= MENU_CAPACITY) {
        return;
    }
    items[index] = item;
}

void Menu::draw(std::int32_t column, std::int32_t row) {
    MenuRecord& shown = frameRecord().menu;
    shown = MenuRecord{};
    shown.column = column;
    shown.left = column;
    shown.right = column;
    for (std::int32_t i = 0; i < count; ++i) {
        setColour(items[i].selected ? COLOUR_GREEN : COLOUR_GREY);
        TextString label = formatText("%i", i + 1);
        label.append(" - ").append(items[i].text);
        const std::int32_t itemRow = row + layout::MENU_ROW_STEP * i;
        printAt(static_cast<std::int16_t>(column), static_cast<std::int16_t>(itemRow), label);
        shown.choices.push_back(utf8FromCp1251(items[i].text.text()));
        shown.rows.push_back(itemRow);
        if (items[i].selected && shown.highlighted < 0) {
            shown.highlighted = i;
        }
    }
}

void Menu::handleKey() {
    cursor = 0;
    for (std::int32_t i = 0; i < MENU_CAPACITY; ++i) {
        if (items[i].selected) {
            cursor = i;
            break;
        }
    }
    if (count <= 0) {
        return;  // nothing to move between
    }
    if (g_key == KEY_DOWN) {
        items[cursor].selected = false;
        if (++cursor > count - 1) {
            cursor = 0;
        }
        items[cursor].selected = true;
    } else if (g_key == KEY_UP) {
        items[cursor].selected = false;
        if (--cursor < 0) {
            cursor = count - 1;
        }
        items[cursor].selected = true;
    }
}
