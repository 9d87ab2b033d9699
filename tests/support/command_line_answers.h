#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/command_line.h"
#include "platform/platform_help.h"

// The command line's answer to the program started with these arguments.
inline CommandLineAnswer answerTo(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv{"ancient-evil"};
    argv.insert(argv.end(), arguments);
    argv.push_back(nullptr);
    return readCommandLine(static_cast<int>(argv.size()) - 1, argv.data());
}

// What follows a refused argument's line on standard error.
inline const std::string USAGE =
    std::string("; usage: ancient-evil ") + platformHelp().options + "\n";
