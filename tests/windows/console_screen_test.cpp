// The Windows backend's drawing on a real console screen buffer (the suite
// runs these in a pseudo-terminal that wine makes a console of): cells as
// glyphs and attributes, only changed rows rewritten, the small-window
// notice and the redraw once the window holds the frame again.
#include "platform/windows/console_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/windows/console_window.h"
#include "support/screen_text.h"

namespace {

class ConsoleScreenOnAConsole : public ::testing::Test {
  protected:
    void SetUp() override {
        buffer_ = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            CONSOLE_TEXTMODE_BUFFER, nullptr);
        ASSERT_NE(buffer_, INVALID_HANDLE_VALUE) << "no console: run in a (pseudo) terminal";
        ASSERT_TRUE(resizeConsole(buffer_, {COLUMNS, ROWS}, {0, 0, COLUMNS - 1, ROWS - 1}));
    }
    void TearDown() override { CloseHandle(buffer_); }

    CHAR_INFO cellAt(int column, int row) {
        CHAR_INFO cell{};
        SMALL_RECT region{SHORT(column), SHORT(row), SHORT(column), SHORT(row)};
        ReadConsoleOutputW(buffer_, &cell, {1, 1}, {0, 0}, &region);
        return cell;
    }
    std::wstring rowText(int row, int length = COLUMNS) {
        std::wstring text;
        for (int column = 0; column < length; ++column) {
            text += cellAt(column, row).Char.UnicodeChar;
        }
        return text;
    }
    void scribble(int row) {
        DWORD written = 0;
        WriteConsoleOutputCharacterW(buffer_, L"####", 4, {0, SHORT(row)}, &written);
    }

    HANDLE buffer_ = INVALID_HANDLE_VALUE;
};

VirtualConsole withText(int column, int row, const std::u32string& text, std::uint8_t colour) {
    VirtualConsole console;
    console.moveCursor(column, row);
    console.setColour(colour);
    for (char32_t ch : text) {
        console.put(ch);
    }
    return console;
}

TEST_F(ConsoleScreenOnAConsole, CellsShowAsGlyphsInTheGamesColours) {
    ConsoleScreen screen(buffer_);
    screen.show(withText(31, 32, U"Жx\t\x1b", 12).grid(), measureConsoleWindow(buffer_));
    EXPECT_EQ(cellAt(31, 32).Char.UnicodeChar, L'Ж');
    EXPECT_EQ(cellAt(31, 32).Attributes, 12);
    EXPECT_EQ(cellAt(32, 32).Char.UnicodeChar, L'x');
    EXPECT_EQ(cellAt(33, 32).Char.UnicodeChar, L'○');  // a tab never moves anything
    EXPECT_EQ(cellAt(34, 32).Char.UnicodeChar, L'←');
    EXPECT_EQ(cellAt(30, 32).Attributes, 7);
    EXPECT_EQ(cellAt(79, 48).Char.UnicodeChar, L' ');
}

TEST_F(ConsoleScreenOnAConsole, OnlyChangedRowsAreWrittenUntilInvalidated) {
    ConsoleScreen screen(buffer_);
    const ConsoleWindow window = measureConsoleWindow(buffer_);
    screen.show(withText(0, 20, U"first", 7).grid(), window);
    scribble(10);
    scribble(40);
    screen.show(withText(0, 20, U"again", 2).grid(), window);
    EXPECT_EQ(rowText(20, 5), L"again");
    EXPECT_EQ(cellAt(0, 20).Attributes, 2);
    EXPECT_EQ(rowText(10, 4), L"####") << "an unchanged row was written again";

    screen.invalidate();
    screen.show(withText(0, 20, U"again", 2).grid(), window);
    EXPECT_EQ(rowText(10, 4), L"    ");
    EXPECT_EQ(rowText(40, 4), L"    ");
}

TEST_F(ConsoleScreenOnAConsole, NoticeInASmallWindowThenTheWholeFrameWhenItFits) {
    ConsoleScreen screen(buffer_);
    const VirtualConsole frame = withText(0, 48, U"'---'", 7);
    screen.show(frame.grid(), measureConsoleWindow(buffer_));

    ASSERT_TRUE(resizeConsole(buffer_, {60, 20}, {0, 0, 59, 19}));
    const ConsoleWindow small = measureConsoleWindow(buffer_);
    EXPECT_FALSE(small.holdsGame());
    screen.showNotice(small);
    EXPECT_EQ(rowText(0, 44), L"Окно терминала слишком мало для игры: 60×20.");
    EXPECT_EQ(rowText(1, 14), L"Нужно хотя бы ");
    EXPECT_EQ(rowText(2, 10), L"          ");

    ASSERT_TRUE(resizeConsole(buffer_, {COLUMNS, ROWS}, {0, 0, COLUMNS - 1, ROWS - 1}));
    const ConsoleWindow large = measureConsoleWindow(buffer_);
    EXPECT_TRUE(large.holdsGame());
    screen.show(frame.grid(), large);  // the same grid, drawn whole after the notice
    EXPECT_EQ(rowText(0, 45), std::wstring(45, L' '));
    EXPECT_EQ(rowText(48, 5), L"'---'");
}

TEST_F(ConsoleScreenOnAConsole, AWindowLargerThanTheFrameIsBlankedBesideIt) {
    ASSERT_TRUE(resizeConsole(buffer_, {100, 60}, {0, 0, 99, 59}));
    scribble(55);
    DWORD written = 0;
    WriteConsoleOutputCharacterW(buffer_, L"old", 3, {90, 0}, &written);
    ConsoleScreen screen(buffer_);
    screen.show(withText(0, 0, U"top", 7).grid(), measureConsoleWindow(buffer_));
    EXPECT_EQ(rowText(0, 3), L"top");
    EXPECT_EQ(cellAt(90, 0).Char.UnicodeChar, L' ');
    EXPECT_EQ(rowText(55, 4), L"    ");
}

TEST_F(ConsoleScreenOnAConsole, ResizingKeepsTheWindowInsideTheBuffer) {
    ASSERT_TRUE(resizeConsole(buffer_, {120, 300}, {0, 250, 79, 299}));
    ConsoleWindow window = measureConsoleWindow(buffer_);
    EXPECT_EQ(window.bufferSize.X, 120);
    EXPECT_EQ(window.bufferSize.Y, 300);
    EXPECT_EQ(window.visible.Top, 250);
    EXPECT_EQ(window.rows(), 50);
    // Back to a buffer smaller than the window that was asked for: the
    // window shrinks with it and moves up to the buffer's top.
    EXPECT_TRUE(resizeConsole(buffer_, {COLUMNS, ROWS}, {0, 250, 119, 299}));
    window = measureConsoleWindow(buffer_);
    EXPECT_EQ(window.visible.Top, 0);
    EXPECT_EQ(window.columns(), COLUMNS);
    EXPECT_EQ(window.rows(), ROWS);
}

}  // namespace
