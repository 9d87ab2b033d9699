#include "svg_screenshot.h"

#include "platform/glyphs.h"
#include "platform/utf8.h"

namespace {

// The console's colours (blue 1, green 2, red 4, bright 8), as on the PC
// text screen; 6 is brown rather than dark yellow.
constexpr const char* PALETTE[16] = {
    "#000000", "#0000AA", "#00AA00", "#00AAAA", "#AA0000", "#AA00AA", "#AA5500", "#AAAAAA",
    "#555555", "#5555FF", "#55FF55", "#55FFFF", "#FF5555", "#FF55FF", "#FFFF55", "#FFFFFF",
};

// The glyph a cell shows, made safe for XML: the two non-characters that
// XML cannot carry become '?', as glyphOf does for what a console cannot show.
char32_t shownGlyph(const VirtualConsole::Cell& cell) {
    const char32_t glyph = glyphOf(cell.ch);
    return glyph == 0xFFFE || glyph == 0xFFFF ? U'?' : glyph;
}

void appendEscaped(char32_t ch, std::string& out) {
    switch (ch) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        default:
            appendUtf8(ch, out);
    }
}

// A UTF-8 text, for an element's content.
void appendEscaped(const std::string& text, std::string& out) {
    for (const char ch : text) {
        if (ch == '&' || ch == '<' || ch == '>') {
            appendEscaped(static_cast<char32_t>(ch), out);
        } else {
            out += ch;
        }
    }
}

// One run of non-blank cells of one colour: a text element that places
// each of its characters on its own cell. Blanks are left out, since XML
// would fold runs of spaces and shift the characters after them.
void appendRun(const VirtualConsole::Grid& grid, int row, int first, int end, std::string& out) {
    out += "<text x=\"";
    for (int column = first; column < end; ++column) {
        if (column > first) {
            out += ' ';
        }
        out += std::to_string(column * SVG_CELL_WIDTH);
    }
    out += "\" y=\"" + std::to_string(row * SVG_CELL_HEIGHT + SVG_BASELINE) + "\" fill=\"" +
           PALETTE[grid[row * VirtualConsole::COLUMNS + first].colour & 0x0F] + "\">";
    for (int column = first; column < end; ++column) {
        appendEscaped(shownGlyph(grid[row * VirtualConsole::COLUMNS + column]), out);
    }
    out += "</text>\n";
}

}  // namespace

const char* svgConsoleColour(int colour) {
    return PALETTE[colour & 0x0F];
}

std::string svgScreenshot(const VirtualConsole::Grid& grid, const std::string& title) {
    const std::string width = std::to_string(VirtualConsole::COLUMNS * SVG_CELL_WIDTH);
    const std::string height = std::to_string(VirtualConsole::ROWS * SVG_CELL_HEIGHT);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height +
           "\" font-family=\"DejaVu Sans Mono, Consolas, Menlo, monospace\" font-size=\"17\">\n";
    out += "<title>";
    appendEscaped(title, out);
    out += "</title>\n<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"#000000\"/>\n";
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        int column = 0;
        while (column < VirtualConsole::COLUMNS) {
            const auto& start = grid[row * VirtualConsole::COLUMNS + column];
            if (shownGlyph(start) == U' ') {
                ++column;
                continue;
            }
            int end = column + 1;
            while (end < VirtualConsole::COLUMNS) {
                const auto& next = grid[row * VirtualConsole::COLUMNS + end];
                if (shownGlyph(next) == U' ' || (next.colour & 0x0F) != (start.colour & 0x0F)) {
                    break;
                }
                ++end;
            }
            appendRun(grid, row, column, end, out);
            column = end;
        }
    }
    out += "</svg>\n";
    return out;
}
