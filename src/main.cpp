// Wires the player's console to the game; the game itself is the library.
#include "data/data_folders.h"
#include "game/command_line.h"
#include "game/game_loop.h"
#include "platform/port.h"

int main(int argc, char* argv[]) {
    const CommandLineAnswer answer = readCommandLine(argc, argv);
    if (!answer.play) {
        return printCommandLineAnswer(answer, stdout, stderr);
    }
    setDataFolders(dataFoldersBeside(executablePath()));
    const std::unique_ptr<GameIo> console = openPlayerConsole();
    if (!console) {
        return 1;  // nothing to play on; the console has said why
    }
    return runGame(*console, tickCount());
}
