#include "platform/windows/console_screen.h"

#include <string>

#include "platform/glyphs.h"
#include "platform/small_window_notice.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;

bool sameRow(const VirtualConsole::Grid& a, const VirtualConsole::Grid& b, int row) {
    for (int column = 0; column < COLUMNS; ++column) {
        if (a[row * COLUMNS + column] != b[row * COLUMNS + column]) {
            return false;
        }
    }
    return true;
}

}  // namespace

void writeUtf8(HANDLE output, const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(length, L' ');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    DWORD written = 0;
    WriteConsoleW(output, wide.data(), DWORD(wide.size()), &written, nullptr);
}

void toCharInfo(const VirtualConsole::Grid& grid, CHAR_INFO* cells) {
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const char32_t glyph = glyphOf(grid[i].ch);
        // One UTF-16 unit per cell: what would need two cannot be shown.
        cells[i].Char.UnicodeChar = glyph <= 0xFFFF ? WCHAR(glyph) : L'?';
        cells[i].Attributes = grid[i].colour;
    }
}

void ConsoleScreen::show(const VirtualConsole::Grid& grid, const ConsoleWindow& window) {
    const COORD origin = window.topLeft();
    if (origin.X != origin_.X || origin.Y != origin_.Y || onView_ != OnView::Grid) {
        valid_ = false;
    }
    if (!valid_ && (window.columns() > COLUMNS || window.rows() > ROWS)) {
        blank(window);  // nothing of what stood there before shows beside the frame
    }
    toCharInfo(grid, cells_.data());
    for (int first = 0; first < ROWS;) {
        if (valid_ && sameRow(grid, shown_, first)) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < ROWS && !(valid_ && sameRow(grid, shown_, last + 1))) {
            ++last;
        }
        SMALL_RECT region{origin.X, SHORT(origin.Y + first), SHORT(origin.X + COLUMNS - 1),
                          SHORT(origin.Y + last)};
        WriteConsoleOutputW(output_, cells_.data(), {COLUMNS, ROWS}, {0, SHORT(first)}, &region);
        first = last + 1;
    }
    shown_ = grid;
    valid_ = true;
    origin_ = origin;
    onView_ = OnView::Grid;
}

void ConsoleScreen::blank(const ConsoleWindow& window) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output_, &info);
    const DWORD cells = DWORD(window.bufferSize.X) * DWORD(window.rows());
    const COORD start{0, window.visible.Top};
    DWORD done = 0;
    FillConsoleOutputCharacterW(output_, L' ', cells, start, &done);
    FillConsoleOutputAttribute(output_, info.wAttributes, cells, start, &done);
}

void ConsoleScreen::showNotice(const ConsoleWindow& window) {
    blank(window);
    SetConsoleCursorPosition(output_, window.topLeft());
    writeUtf8(output_, smallWindowNotice(window.columns(), window.rows()));
    valid_ = false;
    onView_ = OnView::Notice;
}

void ConsoleScreen::leave() {
    if (onView_ == OnView::Grid) {
        SetConsoleCursorPosition(output_, {0, SHORT(origin_.Y + ROWS - 1)});
    }
    if (onView_ != OnView::Nothing) {
        writeUtf8(output_, "\r\n");
    }
    onView_ = OnView::Nothing;
}
