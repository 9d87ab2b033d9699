// The player's console as the game sees it, on the real console of the test
// process (a pseudo-terminal that wine makes a console of): console input
// events in, key bytes out; the console given back as it was.
#include "platform/windows/console_io.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/windows/console_window.h"

namespace {

INPUT_RECORD keyEvent(bool down, WORD virtualKey, wchar_t ch = 0) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent.bKeyDown = down;
    record.Event.KeyEvent.wRepeatCount = 1;
    record.Event.KeyEvent.wVirtualKeyCode = virtualKey;
    record.Event.KeyEvent.uChar.UnicodeChar = ch;
    return record;
}

INPUT_RECORD otherEvent(WORD type) {
    INPUT_RECORD record{};
    record.EventType = type;
    return record;
}

void send(const std::vector<INPUT_RECORD>& records) {
    DWORD written = 0;
    ASSERT_TRUE(WriteConsoleInputW(GetStdHandle(STD_INPUT_HANDLE), records.data(),
                                   DWORD(records.size()), &written));
}

wchar_t characterAt(HANDLE output, int column, int row) {
    CHAR_INFO cell{};
    SMALL_RECT region{SHORT(column), SHORT(row), SHORT(column), SHORT(row)};
    ReadConsoleOutputW(output, &cell, {1, 1}, {0, 0}, &region);
    return cell.Char.UnicodeChar;
}

std::wstring title() {
    wchar_t text[256];
    return std::wstring(text, GetConsoleTitleW(text, 256));
}

class ConsoleIoOnAConsole : public ::testing::Test {
  protected:
    void SetUp() override {
        DWORD mode = 0;
        ASSERT_TRUE(GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode))
            << "no console: run in a (pseudo) terminal";
    }
};

TEST_F(ConsoleIoOnAConsole, KeyPressesBecomeKeyBytesAndOtherEventsNothing) {
    ConsoleIo io;
    send({otherEvent(FOCUS_EVENT), otherEvent(MOUSE_EVENT), otherEvent(MENU_EVENT),
          keyEvent(true, VK_DOWN), keyEvent(false, VK_DOWN), keyEvent(true, VK_SHIFT),
          keyEvent(true, VK_OEM_1, L'ж'), keyEvent(false, VK_OEM_1, L'ж'),
          keyEvent(true, VK_RETURN, L'\r'), keyEvent(true, VK_UP)});
    std::vector<int> keys;
    for (int i = 0; i < 6; ++i) {
        keys.push_back(io.readKey());
    }
    EXPECT_EQ(keys, (std::vector<int>{224, 80, 0xE6, 13, 224, 72}));
}

TEST_F(ConsoleIoOnAConsole, PlayingChangesTheConsoleAndTheEndGivesItBack) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    SetConsoleTitleW(L"before");
    DWORD inputMode = 0;
    GetConsoleMode(input, &inputMode);
    CONSOLE_CURSOR_INFO cursor{};
    GetConsoleCursorInfo(output, &cursor);
    const ConsoleWindow before = measureConsoleWindow(output);
    {
        ConsoleIo io;
        EXPECT_EQ(title(), L"Древнее Зло");
        CONSOLE_CURSOR_INFO playing{};
        GetConsoleCursorInfo(output, &playing);
        EXPECT_FALSE(playing.bVisible);
        DWORD mode = 0;
        GetConsoleMode(input, &mode);
        EXPECT_EQ(mode & (ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT), 0u);
        EXPECT_NE(mode & ENABLE_WINDOW_INPUT, 0u);
        const ConsoleWindow window = measureConsoleWindow(output);
        EXPECT_EQ(window.bufferSize.X, 80);
        EXPECT_EQ(window.bufferSize.Y, 49);
        EXPECT_TRUE(window.holdsGame());

        VirtualConsole console;
        console.moveCursor(31, 32);
        console.put(U'Ж');
        io.present(console);
        EXPECT_EQ(characterAt(output, 31, 32), L'Ж');
    }
    EXPECT_EQ(title(), L"before");
    DWORD mode = 0;
    GetConsoleMode(input, &mode);
    EXPECT_EQ(mode, inputMode);
    CONSOLE_CURSOR_INFO after{};
    GetConsoleCursorInfo(output, &after);
    EXPECT_EQ(after.bVisible, cursor.bVisible);
    EXPECT_EQ(after.dwSize, cursor.dwSize);
    const ConsoleWindow now = measureConsoleWindow(output);
    EXPECT_EQ(now.bufferSize.X, before.bufferSize.X);
    EXPECT_EQ(now.bufferSize.Y, before.bufferSize.Y);
    EXPECT_EQ(now.columns(), before.columns());
    EXPECT_EQ(now.rows(), before.rows());
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(output, &info);
    EXPECT_EQ(info.dwCursorPosition.X, 0);
    EXPECT_EQ(info.dwCursorPosition.Y, 49) << "the prompt goes below the last screen";
}

TEST_F(ConsoleIoOnAConsole, ASmallWindowShowsTheNoticeAndIgnoresKeysUntilItHoldsTheFrame) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    ConsoleIo io;
    ASSERT_TRUE(resizeConsole(output, {60, 20}, {0, 0, 59, 19}));
    VirtualConsole console;
    console.moveCursor(31, 32);
    console.put(U'Ж');
    io.present(console);
    EXPECT_EQ(characterAt(output, 0, 0), L'О');  // "Окно терминала слишком мало..."

    // The player types while the window is small, then enlarges it and
    // types again: only the second key counts.
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    std::thread player([output] {
        send({keyEvent(true, 'A', L'a')});
        DWORD waiting = 1;
        while (GetNumberOfConsoleInputEvents(GetStdHandle(STD_INPUT_HANDLE), &waiting) &&
               waiting > 0) {
            Sleep(1);  // until the game has taken the key
        }
        resizeConsole(output, {80, 49}, {0, 0, 79, 48});
        INPUT_RECORD resized = otherEvent(WINDOW_BUFFER_SIZE_EVENT);
        resized.Event.WindowBufferSizeEvent.dwSize = {80, 49};
        send({resized, keyEvent(true, 'B', L'b')});
    });
    EXPECT_EQ(io.readKey(), 'b');
    player.join();
    EXPECT_EQ(characterAt(output, 31, 32), L'Ж');
    EXPECT_EQ(characterAt(output, 0, 0), L' ');
}

}  // namespace
