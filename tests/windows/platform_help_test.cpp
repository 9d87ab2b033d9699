// The command line as a Windows player expects it: /? is help, and the
// help speaks of the Windows game.
#include "platform/platform_help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/command_line_answers.h"

namespace {

TEST(CommandLine, OnWindowsSlashQuestionMarkIsHelpAboutTheWindowsGame) {
    const CommandLineAnswer help = answerTo({"/?"});
    EXPECT_FALSE(help.play);
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.out, answerTo({"--help"}).out);
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("/?"), std::string::npos);
    std::string unwrapped = help.out;
    std::replace(unwrapped.begin(), unwrapped.end(), '\n', ' ');
    EXPECT_NE(unwrapped.find("then from the folder of ancient-evil.exe"), std::string::npos)
        << help.out;
    EXPECT_NE(help.out.find("Windows Terminal"), std::string::npos);
    // Nothing of the POSIX game: there is no manual page, xterm or share/.
    for (const char* posixOnly : {"manual page", "xterm", "UTF-8", "share/ancient-evil"}) {
        EXPECT_EQ(help.out.find(posixOnly), std::string::npos) << posixOnly;
    }
    EXPECT_EQ(answerTo({"--", "/?"}).err, "ancient-evil: unexpected argument '/?'" + USAGE);
    EXPECT_EQ(answerTo({"/h"}).err, "ancient-evil: unexpected argument '/h'" + USAGE);
}

}  // namespace
