// The terminal guard keeps the process's terminal state, so there is only
// ever one: a second would save the first's raw modes as the shell's.
#include "platform/posix/terminal_guard.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

}  // namespace
