#pragma once

// What the command line's help says that differs from one platform to the
// next: the console the game plays in, its own help switch, where the data
// files are looked for after the working directory, and where to read more.
// Each backend gives its own; the command line puts them together.
struct PlatformHelp {
    // The usage's list of options, as in "[--help | --version]".
    const char* options;
    // The paragraphs after the first line and before the data files: how
    // the game starts and shows, then the option lines; each line ends in
    // a line feed.
    const char* body;
    // The end of a sentence that begins "...are read from the working
    // directory first, so that your own versions win, then ".
    const char* dataFolders;
    // The last line, where to read more.
    const char* moreHelp;
    // A switch that this platform's programs all take for their help, or
    // nullptr when an argument starting so is an ordinary argument.
    const char* helpSwitch;
};

const PlatformHelp& platformHelp();
