#include "game/command_line.h"

#include <cstring>

#include "platform/platform_help.h"

namespace {

constexpr int USAGE_ERROR = 2;
constexpr std::size_t HELP_WIDTH = 79;

// A paragraph broken between words into lines of at most `width` characters.
std::string wrapped(const std::string& text, std::size_t width) {
    std::string out;
    std::size_t lineStart = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end - lineStart > width && at > lineStart) {
            out.back() = '\n';
            lineStart = at;
        }
        out.append(text, at, end - at);
        out += ' ';
        at = end + 1;
    }
    if (!out.empty()) {
        out.back() = '\n';
    }
    return out;
}

std::string usage() {
    return std::string("ancient-evil ") + platformHelp().options;
}

std::string help() {
    const PlatformHelp& platform = platformHelp();
    const std::string dataFiles = "The data files (" AE_DATA_FILE_LIST
                                  ") are read from the working directory first, "
                                  "so that your own versions win, then " +
                                  std::string(platform.dataFolders);
    return "Usage: " + usage() + "\n" +
           "Drevnee Zlo (Ancient Evil), a role-playing game in Russian for a text console.\n\n" +
           platform.body + "\n" + wrapped(dataFiles, HELP_WIDTH) + platform.moreHelp;
}

bool isHelpSwitch(const char* argument) {
    const char* helpSwitch = platformHelp().helpSwitch;
    return helpSwitch != nullptr && std::strcmp(argument, helpSwitch) == 0;
}

// An argument echoed back must not reach the terminal as control codes.
std::string printable(const char* argument) {
    std::string text(argument);
    for (char& ch : text) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            ch = '?';
        }
    }
    return text;
}

CommandLineAnswer refuse(const char* what, const char* argument) {
    CommandLineAnswer answer;
    answer.play = false;
    answer.exitStatus = USAGE_ERROR;
    answer.err = std::string("ancient-evil: ") + what + " '" + printable(argument) +
                 "'; usage: " + usage() + "\n";
    return answer;
}

CommandLineAnswer tell(const std::string& text) {
    CommandLineAnswer answer;
    answer.play = false;
    answer.out = text;
    return answer;
}

}  // namespace

CommandLineAnswer readCommandLine(int argc, const char* const argv[]) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!optionsEnded && isHelpSwitch(argument)) {
            return tell(help());
        }
        if (optionsEnded || argument[0] != '-' || argument[1] == '\0') {
            return refuse("unexpected argument", argument);
        }
        if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            return tell(help());
        } else if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-V") == 0) {
            return tell("ancient-evil " AE_VERSION "\n");
        } else {
            return refuse("unknown option", argument);
        }
    }
    return {};
}

int printCommandLineAnswer(const CommandLineAnswer& answer, std::FILE* out, std::FILE* err) {
    std::fputs(answer.err.c_str(), err);
    std::fflush(err);
    // Help or a version that never arrived must not pass for success.
    const bool written = std::fputs(answer.out.c_str(), out) >= 0 && std::fflush(out) == 0;
    return written ? answer.exitStatus : 1;
}
