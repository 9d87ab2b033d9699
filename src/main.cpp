// Wires the player's terminal to the game; the game itself is the library.
#include "core/game_loop.h"
#include "platform/clock.h"
#include "platform/terminal_io.h"

int main() {
    TerminalIo terminal;
    return runGame(terminal, tickCount());
}
