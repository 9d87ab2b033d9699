#pragma once

#include <cstdint>

#include "console/text_string.h"
#include "platform/frame_record.h"

struct MenuItem {
    TextString text;
    bool selected = false;

    MenuItem() = default;
    MenuItem(TextString itemText, bool isSelected) : text(itemText), selected(isSelected) {}
};

// Up to five numbered choices with one highlighted. The arrows move the
// highlight with wrap-around; Enter is left to the screen, which acts on
// `cursor`.
class Menu {
  public:
    static constexpr std::int32_t MENU_CAPACITY = MenuRecord::CAPACITY;

    Menu();

    void clear() { count = 0; }
    // Adds a choice; a sixth is refused with "Too many menu items".
    void addItem(MenuItem item);
    // Rewrites the slot at index; the caller keeps the index in range.
    void setItem(std::int32_t index, MenuItem item);
    // Choices from (column, row), one every second row, the highlighted one
    // in green. Leaves the colour of the last choice in force.
    void draw(std::int32_t column, std::int32_t row);
    // Moves the highlight on g_key and updates cursor.
    void handleKey();

    MenuItem items[MENU_CAPACITY];
    std::int32_t cursor = 0;
    std::int32_t count = 0;
};
