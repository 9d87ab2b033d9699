// On POSIX a slash starts a path: /? is an argument like any other.
#include "platform/platform_help.h"

#include <gtest/gtest.h>

#include <string>

#include "support/command_line_answers.h"

namespace {

TEST(CommandLine, OnPosixSlashQuestionMarkIsAnArgumentLikeAnyOther) {
    EXPECT_EQ(answerTo({"/?"}).err, "ancient-evil: unexpected argument '/?'" + USAGE);
}

}  // namespace
