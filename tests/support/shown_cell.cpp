#include "support/shown_cell.h"

#include "platform/glyphs.h"

namespace {
constexpr int BLACK = 0;
}

int ansiColour(std::uint8_t attribute) {
    return ((attribute & 1) << 2) | (attribute & 2) | ((attribute & 4) >> 2) | (attribute & 8);
}

bool showsCell(const TerminalModel::Cell& shown, const VirtualConsole::Cell& cell) {
    const char32_t glyph = glyphOf(cell.ch);
    return shown.ch == glyph && shown.background == BLACK &&
           (glyph == U' ' || shown.foreground == ansiColour(cell.colour));
}
