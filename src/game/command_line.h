#pragma once

#include <cstdio>
#include <string>

// The program's command line. Without arguments the game plays, and with
// --screen-reader it plays told in plain lines; --help (and
// /? on Windows) and --version answer on standard output and leave the
// terminal alone, since they are read before the console is opened;
// anything else is refused with a one-line usage on standard error.
struct CommandLineAnswer {
    bool play = true;
    bool screenReader = false;  // to play told in plain lines
    int exitStatus = 0;
    std::string out;           // for standard output
    std::string err;           // for standard error
    const char* outName = "";  // what `out` is, for a line saying it could not be written
};

CommandLineAnswer readCommandLine(int argc, const char* const argv[]);

// Writes an answer that is not to play; returns its exit status, or 1 after
// one line on standard error when standard output could not take it (a full
// disk, a closed pipe).
int printCommandLineAnswer(const CommandLineAnswer& answer, std::FILE* out, std::FILE* err);
