#include "core/screen.h"

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "data/sprite_sheet.h"
#include "platform/code_pages.h"
#include "platform/frame_record.h"

void Screen::printLines() const {
    FrameRecord& record = frameRecord();
    record.lines.clear();
    for (int i = 0; i < LINE_COUNT; ++i) {
        printAt(layout::MESSAGE_LINES.column,
                static_cast<std::int16_t>(layout::MESSAGE_LINES.row + i), lines[i]);
        record.lines.push_back(utf8FromCp1251(lines[i].text()));
    }
}

void Screen::drawMenu() {
    handleKey();
    draw(layout::MENU.column, layout::MENU.row);
    MenuRecord& menu = frameRecord().menu;
    menu.left = layout::MESSAGE_BOX.left + 1;
    menu.right = layout::MESSAGE_BOX.right + 1;
}

void Screen::drawPortrait(std::int32_t sprite) {
    setColour(COLOUR_GREY);
    if (g_npcSprites) {
        g_npcSprites->draw(sprite, layout::PORTRAIT.column, layout::PORTRAIT.row);
    }
    const BoxPlace& box = layout::PORTRAIT_BOX;
    drawBox(box.left, box.top, box.right, box.bottom);
}

void Screen::showAction(ScreenPlace line, const TextString& text, const std::string& spoken) {
    printAt(line, text);
    // A line written again in the same frame replaces what it said, as it
    // does on the grid; the record keeps them top to bottom.
    std::vector<ActionRecord>& actions = frameRecord().actions;
    std::size_t at = 0;
    while (at < actions.size() && actions[at].row < line.row) {
        ++at;
    }
    if (at == actions.size() || actions[at].row != line.row) {
        actions.insert(actions.begin() + long(at), ActionRecord{});
    }
    ActionRecord& action = actions[at];
    action.row = line.row;
    action.text = utf8FromCp1251(text.text());
    action.spoken = spoken.empty() ? action.text : spoken;
}
