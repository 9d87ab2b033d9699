// Which handles the game plays on when standard input or output is
// redirected, on the real console of the test process (a pseudo-terminal
// that wine makes a console of).
#include "platform/windows/console_handles.h"

#include <gtest/gtest.h>

namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Puts another handle in place of a standard one for the test's length.
class StandardHandleSwap {
  public:
    StandardHandleSwap(DWORD which, HANDLE replacement)
        : which_(which), saved_(GetStdHandle(which)) {
        SetStdHandle(which_, replacement);
    }
    ~StandardHandleSwap() { SetStdHandle(which_, saved_); }

  private:
    DWORD which_;
    HANDLE saved_;
};

HANDLE openNul(DWORD access) {
    return CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       0, nullptr);
}

class ConsoleHandlesOnAConsole : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(isConsole(GetStdHandle(STD_INPUT_HANDLE))) << "run in a (pseudo) terminal";
        ASSERT_TRUE(isConsole(GetStdHandle(STD_OUTPUT_HANDLE)));
    }
};

TEST_F(ConsoleHandlesOnAConsole, TheStandardHandlesServeWhenTheyAreTheConsole) {
    ConsoleHandles handles;
    EXPECT_TRUE(handles.haveConsole());
    EXPECT_EQ(handles.input(), GetStdHandle(STD_INPUT_HANDLE));
    EXPECT_EQ(handles.output(), GetStdHandle(STD_OUTPUT_HANDLE));
}

TEST_F(ConsoleHandlesOnAConsole, OutputThatIsNotTheConsoleDrawsOnTheConsoleItself) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    const HANDLE nul = openNul(GENERIC_WRITE);
    for (HANDLE redirected : {writeEnd, nul}) {
        StandardHandleSwap swap(STD_OUTPUT_HANDLE, redirected);
        ConsoleHandles handles;
        EXPECT_TRUE(handles.haveConsole());
        EXPECT_NE(handles.output(), redirected);
        EXPECT_TRUE(isConsole(handles.output()));
        EXPECT_EQ(handles.input(), GetStdHandle(STD_INPUT_HANDLE));
    }
    CloseHandle(nul);
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
}

TEST_F(ConsoleHandlesOnAConsole, KeysComeFromAPipeButNotFromNul) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    {
        StandardHandleSwap swap(STD_INPUT_HANDLE, readEnd);
        ConsoleHandles handles;
        EXPECT_EQ(handles.input(), readEnd) << "a script of keys is read as it comes";
    }
    const HANDLE nul = openNul(GENERIC_READ);
    for (HANDLE noKeys : {nul, HANDLE(nullptr)}) {
        StandardHandleSwap swap(STD_INPUT_HANDLE, noKeys);
        ConsoleHandles handles;
        EXPECT_NE(handles.input(), noKeys);
        EXPECT_TRUE(isConsole(handles.input())) << "the player's keys come from the console";
    }
    CloseHandle(nul);
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
}

}  // namespace
