// The terminal guard keeps the process's terminal state, so there is only
// ever one: a second would save the first's raw modes as the shell's. However
// the game ends, a crash from an overflowing stack included, the terminal
// is given back.
#include "platform/posix/terminal_guard.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

TEST(TerminalGuardDeathTest, ASecondGuardAtTheSameTimeIsRefused) {
    // Each in a child of its own.
    EXPECT_DEATH(
        {
            TerminalGuard first;
            TerminalGuard second;
        },
        "a second terminal guard");
    EXPECT_EXIT(
        {
            { TerminalGuard before; }
            { TerminalGuard after; }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

volatile bool g_deeper = true;

// Recurses until the stack runs out.
int overflow(int depth) {
    volatile char frame[4096];
    frame[0] = char(depth);
    return g_deeper ? overflow(depth + 1) + frame[0] : 0;
}

TEST(TerminalGuard, ACrashFromAnOverflowingStackStillGivesTheTerminalBack) {
    int screen[2];
    ASSERT_EQ(pipe(screen), 0);
    const pid_t game = fork();
    ASSERT_GE(game, 0);
    if (game == 0) {
        // The game, drawing into the pipe with no terminal to read keys from:
        // the guard holds what it has and hides the cursor.
        dup2(screen[1], STDOUT_FILENO);
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        TerminalGuard guard;
        overflow(0);
        _exit(0);
    }
    close(screen[1]);
    std::string shown;
    char buffer[256];
    ssize_t got;
    while ((got = read(screen[0], buffer, sizeof buffer)) > 0) {
        shown.append(buffer, std::size_t(got));
    }
    close(screen[0]);
    int status = 0;
    ASSERT_EQ(waitpid(game, &status, 0), game);
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);
    // The handler ran, on a stack of its own: the cursor shown again, the
    // prompt below the frame.
    EXPECT_NE(shown.find("\x1b[?25h\x1b[49;1H\r\n"), std::string::npos) << shown;
}

}  // namespace
