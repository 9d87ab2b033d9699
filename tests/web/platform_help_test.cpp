// The page's help tells of the page, and a slash is no help switch there.
#include "platform/platform_help.h"

#include <gtest/gtest.h>

#include <string>

#include "support/command_line_answers.h"

namespace {

TEST(CommandLine, ThePagesHelpNamesThePageAndItsReadme) {
    const std::string help = answerTo({"--help"}).out;
    EXPECT_NE(help.find("index.html"), std::string::npos) << help;
    EXPECT_NE(help.find("README.txt beside index.html"), std::string::npos) << help;
    EXPECT_EQ(platformHelp().helpSwitch, nullptr);
    EXPECT_NE(answerTo({"/?"}).err.find("unexpected argument '/?'"), std::string::npos);
}

}  // namespace
