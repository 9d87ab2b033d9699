#include "game/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/platform_help.h"
#include "support/command_line_answers.h"

namespace {

TEST(CommandLine, NoArgumentsPlays) {
    const CommandLineAnswer answer = answerTo({});
    EXPECT_TRUE(answer.play);
    EXPECT_EQ(answer.out + answer.err, "");
    EXPECT_TRUE(answerTo({"--"}).play);
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutputWithSuccess) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLineAnswer help = answerTo({option});
        EXPECT_FALSE(help.play);
        EXPECT_EQ(help.exitStatus, 0);
        EXPECT_EQ(help.out.rfind("Usage: ancient-evil", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos);
        // Every data file the game reads is named, on lines that fit a terminal.
        for (const char* name : {"Title.txt", "NPC.txt", "SpriteStuff.txt", "SpriteWeapon.txt",
                                 "SpriteMonster.txt", "DataWeapon.txt", "DataMonster.txt"}) {
            EXPECT_NE(help.out.find(name), std::string::npos) << name;
        }
        std::size_t lineStart = 0;
        for (std::size_t end = help.out.find('\n'); end != std::string::npos;
             lineStart = end + 1, end = help.out.find('\n', lineStart)) {
            EXPECT_LE(end - lineStart, 79u) << help.out.substr(lineStart, end - lineStart);
        }
        EXPECT_EQ(help.err, "");
    }
    for (const char* option : {"--version", "-V"}) {
        const CommandLineAnswer version = answerTo({option});
        EXPECT_FALSE(version.play);
        EXPECT_EQ(version.exitStatus, 0);
        EXPECT_EQ(version.out, std::string("ancient-evil ") + AE_VERSION + "\n");
    }
    // The first request is the one answered, as with other programs.
    EXPECT_EQ(answerTo({"--version", "--help"}).out, answerTo({"-V"}).out);
}

TEST(CommandLine, AnythingElseGetsOneUsageLineOnStandardErrorAndStatus2) {
    const std::string& usage = USAGE;
    const struct {
        std::initializer_list<const char*> arguments;
        std::string message;
    } cases[] = {
        {{"--helpme"}, "ancient-evil: unknown option '--helpme'" + usage},
        {{"-x"}, "ancient-evil: unknown option '-x'" + usage},
        {{"--help=all"}, "ancient-evil: unknown option '--help=all'" + usage},
        {{"save.txt"}, "ancient-evil: unexpected argument 'save.txt'" + usage},
        {{"-"}, "ancient-evil: unexpected argument '-'" + usage},
        {{"--", "--help"}, "ancient-evil: unexpected argument '--help'" + usage},
        {{"--bogus", "--help"}, "ancient-evil: unknown option '--bogus'" + usage},
#ifndef _WIN32  // where a slash starts a path, not a switch
        {{"/?"}, "ancient-evil: unexpected argument '/?'" + usage},
#endif
    };
    for (const auto& c : cases) {
        const CommandLineAnswer answer = answerTo(c.arguments);
        EXPECT_FALSE(answer.play) << c.message;
        EXPECT_EQ(answer.exitStatus, 2) << c.message;
        EXPECT_EQ(answer.out, "");
        EXPECT_EQ(answer.err, c.message);
    }
}

TEST(CommandLine, ControlCharactersInAnArgumentAreShownAsEscapes) {
    // A terminal acts on control codes it is sent, C1 ones included (U+009B
    // is CSI); in the usage line each one shows as an escape instead.
    const struct {
        const char* argument;
        std::string shown;
    } cases[] = {
        {"\x1b]0;owned\x07\n", "\\x1B]0;owned\\x07\\x0A"},
        {"x\x7f\t", "x\\x7F\\x09"},
        {"x\xC2\x9BJ", "x\\u009BJ"},               // C1 CSI in UTF-8
        {"x\xC2\x80\xC2\x9F", "x\\u0080\\u009F"},  // the first and the last C1
        {"x\x9BJ\x85", "x\\x9BJ\\x85"},            // raw C1 bytes
        {"x\xC2", "x\xC2"},                        // cut short: no control
        // Text, in any script, stays as typed; a no-break space is no control.
        {u8"сохранение\xC2\xA0№1.txt", u8"сохранение\xC2\xA0№1.txt"},
    };
    for (const auto& c : cases) {
        const CommandLineAnswer answer = answerTo({c.argument});
        EXPECT_EQ(answer.err, "ancient-evil: unexpected argument '" + c.shown + "'" + USAGE)
            << c.shown;
    }
}

#ifndef _WIN32  // /dev/full, a file that is always full, is POSIX's
TEST(CommandLine, AnAnswerThatCannotBeWrittenIsNoSuccess) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE* sink = std::fopen("/dev/null", "w");
    ASSERT_NE(sink, nullptr);
    for (const char* option : {"--help", "--version"}) {  // one line says why
        std::FILE* err = std::tmpfile();
        ASSERT_NE(err, nullptr);
        EXPECT_EQ(printCommandLineAnswer(answerTo({option}), full, err), 1);
        char said[200] = {};
        std::rewind(err);
        EXPECT_NE(std::fgets(said, sizeof said, err), nullptr);
        EXPECT_EQ(std::string(said), std::string("ancient-evil: cannot write the ") + (option + 2) +
                                         ": " + std::strerror(ENOSPC) + "\n");
        std::fclose(err);
    }
    EXPECT_EQ(printCommandLineAnswer(answerTo({"--help"}), sink, sink), 0);
    EXPECT_EQ(printCommandLineAnswer(answerTo({"--what"}), sink, full), 2);
    std::fclose(full);
    std::fclose(sink);
}
#endif

}  // namespace
