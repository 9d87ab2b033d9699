// Wires the player's console to the game; the game itself is the library.
#include <cstdio>

#include "data/data_folders.h"
#include "game/command_line.h"
#include "game/game_loop.h"
#include "platform/port.h"

int main(int argc, char* argv[]) {
    const CommandLineAnswer answer = readCommandLine(argc, argv);
    if (!answer.play) {
        return printCommandLineAnswer(answer, stdout, stderr);
    }
    setDataFolders(dataFoldersBeside(executablePath(), dataPlacement()));
    std::unique_ptr<GameIo> console =
        openPlayerConsole(answer.screenReader ? ConsoleMode::PlainLines : ConsoleMode::Picture);
    if (!console) {
        return 1;  // nothing to play on; the console has said why
    }
    const int status = runGame(*console, tickCount());
    const std::string failure = console->failure();
    console.reset();  // the terminal given back first, so the line goes below the frame
    if (!failure.empty()) {
        std::fputs(("ancient-evil: " + failure + "\n").c_str(), stderr);
        return 1;
    }
    return status;
}
