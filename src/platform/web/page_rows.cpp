#include "platform/web/page_rows.h"

#include <algorithm>

#include "platform/glyphs.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;

bool rowDiffers(const VirtualConsole::Grid& a, const VirtualConsole::Grid& b, int row) {
    return !std::equal(a.begin() + row * COLUMNS, a.begin() + (row + 1) * COLUMNS,
                       b.begin() + row * COLUMNS);
}

}  // namespace

char16_t pageGlyph(char32_t ch) {
    const char32_t glyph = glyphOf(ch);
    if (glyph == U'\u00AD') {
        return u'-';
    }
    return glyph <= 0xFFFF ? char16_t(glyph) : u'?';
}

RowUpdate changedRows(const VirtualConsole::Grid* shown, const VirtualConsole::Grid& next) {
    RowUpdate update;
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        if (shown == nullptr || rowDiffers(*shown, next, row)) {
            update.rows.push_back(row);
        }
    }
    // Sized once: a frame comes with every key.
    update.text.reserve(update.rows.size() * COLUMNS);
    update.colours.reserve(update.rows.size() * COLUMNS);
    for (const int row : update.rows) {
        for (int column = 0; column < COLUMNS; ++column) {
            const VirtualConsole::Cell& cell = next[row * COLUMNS + column];
            update.text.push_back(pageGlyph(cell.ch));
            update.colours.push_back(cell.colour & 0x0F);
        }
    }
    return update;
}
