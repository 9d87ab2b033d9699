#include "game/command_line.h"

#include <cerrno>
#include <cstring>

#include "platform/platform_help.h"
#include "platform/write_failure.h"

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

void appendEscape(const char* prefix, unsigned value, int digits, std::string& out) {
    static const char HEX[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += HEX[(value >> shift) & 0xF];
    }
}

// The length of the well-formed UTF-8 character at the text's start, or 0.
std::size_t utf8Length(const unsigned char* text) {
    const unsigned char lead = text[0];
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80) {
            return 0;  // cut short (the terminating zero ends it too)
        }
    }
    // No overlong forms, surrogates or characters beyond Unicode.
    if ((lead == 0xE0 && text[1] < 0xA0) || (lead == 0xED && text[1] >= 0xA0) ||
        (lead == 0xF0 && text[1] < 0x90) || (lead == 0xF4 && text[1] >= 0x90)) {
        return 0;
    }
    return length;
}

// An argument echoed back must not reach the terminal as control codes: a
// terminal would act on them. Every control character, C0 or C1, as a raw
// byte or in UTF-8, is shown as an escape instead ("\x1B", "\u009B");
// other text, Cyrillic included, stays as typed.
std::string printable(const char* argument) {
    std::string text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(argument);
    while (*bytes != 0) {
        const std::size_t length = utf8Length(bytes);
        if (length == 2 && bytes[0] == 0xC2 && bytes[1] < 0xA0) {
            appendEscape("\\u", bytes[1], 4, text);  // U+0080 to U+009F
        } else if (length > 0) {
            text.append(reinterpret_cast<const char*>(bytes), length);
        } else if (bytes[0] < 0x20 || (bytes[0] >= 0x7F && bytes[0] < 0xA0)) {
            appendEscape("\\x", bytes[0], 2, text);
        } else {
            text += char(bytes[0]);
        }
        bytes += length > 0 ? length : 1;
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

CommandLineAnswer tell(const std::string& text, const char* name) {
    CommandLineAnswer answer;
    answer.play = false;
    answer.out = text;
    answer.outName = name;
    return answer;
}

}  // namespace

CommandLineAnswer readCommandLine(int argc, const char* const argv[]) {
    CommandLineAnswer playing;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!optionsEnded && isHelpSwitch(argument)) {
            return tell(help(), "the help");
        }
        if (optionsEnded || argument[0] != '-' || argument[1] == '\0') {
            return refuse("unexpected argument", argument);
        }
        if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--screen-reader") == 0) {
            playing.screenReader = true;
        } else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            return tell(help(), "the help");
        } else if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-V") == 0) {
            return tell("ancient-evil " AE_VERSION "\n", "the version");
        } else {
            return refuse("unknown option", argument);
        }
    }
    return playing;
}

int printCommandLineAnswer(const CommandLineAnswer& answer, std::FILE* out, std::FILE* err) {
    std::fputs(answer.err.c_str(), err);
    std::fflush(err);
    // Help or a version that never arrived must not pass for success.
    if (std::fputs(answer.out.c_str(), out) >= 0 && std::fflush(out) == 0) {
        return answer.exitStatus;
    }
    const std::string failure = cannotWrite(answer.outName, errno);
    std::fputs(("ancient-evil: " + failure + "\n").c_str(), err);
    return 1;
}
