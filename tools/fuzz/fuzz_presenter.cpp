// Any sequence of console grids the game can draw, through the xterm
// presenter into a model of the terminal: after every frame the terminal
// shows exactly the last grid, the bytes hold nothing the terminal would
// not understand, and no synchronized update is left open. Also after the
// terminal was wiped by something else (a resume, a resize) and the
// presenter told to forget what it showed.
//
// The first byte chooses the terminal: bit 0, one that loses the cursor
// after writing in the last column; bit 1, one that keeps synchronized
// updates whole (the presenter then wraps large frames). Then come steps, each an operation byte
// and its arguments, drawn the way the game draws: through the console's cursor, colour and put,
// with the text decoded from Windows-1251 (printAt) or code page 866 (writeRaw), control characters
// included.
//   0 column row    move the cursor
//   1 colour        set the colour (0 to 15)
//   2 n bytes...    put n characters, Windows-1251
//   3 n bytes...    put n characters, code page 866
//   4               clear, as every frame starts
//   5               show the frame and check it
//   6 ch colour     the terminal shows something else, then the frame
// A last frame is shown and checked at the end. Steps after the 32nd frame
// are left out: checking a frame costs far more than drawing one, and long
// runs of frames would starve the search.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/code_pages.h"
#include "platform/virtual_console.h"
#include "platform/xterm/terminal_presenter.h"
#include "support/shown_cell.h"
#include "support/terminal_model.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
constexpr int ROWS = VirtualConsole::ROWS;
constexpr int MAX_FRAMES = 32;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    __builtin_trap();
}

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void showFrame(TerminalPresenter& presenter, TerminalModel& terminal,
               const VirtualConsole& console) {
    const VirtualConsole::Grid& grid = console.grid();
    const std::string bytes = presenter.render(grid);
    if (!terminal.apply(bytes)) {
        fail("the terminal cannot follow: " + terminal.error());
    }
    if (terminal.synchronizedUpdate()) {
        fail("a synchronized update left open");
    }
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            if (!showsCell(terminal.cell(column, row), grid[row * COLUMNS + column])) {
                fail("column " + std::to_string(column) + ", row " + std::to_string(row) +
                     " shows something else than the console");
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    TerminalModel::Options options;
    // Which frames the presenter wraps in a synchronized update is its own
    // choice; only what ends up on screen is checked.
    options.requireSynchronizedUpdate = false;
    const std::uint8_t kind = input.next();
    options.cursorLostAtLastColumn = (kind & 1) != 0;
    TerminalModel terminal(COLUMNS, ROWS, options);
    TerminalPresenter presenter;
    presenter.setSynchronizedUpdate((kind & 2) != 0);
    VirtualConsole console;
    for (int frames = 0; !input.empty() && frames < MAX_FRAMES;) {
        const int operation = input.next() % 7;
        switch (operation) {
            case 0: {
                const int column = input.next() % COLUMNS;
                console.moveCursor(column, input.next() % ROWS);
                break;
            }
            case 1:
                console.setColour(input.next() & 15);
                break;
            case 2:
            case 3: {
                const bool cp1251 = operation == 2;
                for (int n = input.next(); n > 0 && !input.empty(); --n) {
                    const std::uint8_t byte = input.next();
                    console.put(cp1251 ? decodeCp1251(byte) : decodeCp866(byte));
                }
                break;
            }
            case 4:
                console.clear();
                break;
            case 5:
                showFrame(presenter, terminal, console);
                ++frames;
                break;
            case 6: {
                const char32_t leftover = decodeCp866(input.next());
                terminal.fill(leftover, input.next() % 16, 4);  // on blue
                presenter.invalidate();
                showFrame(presenter, terminal, console);
                ++frames;
                break;
            }
            default:
                break;
        }
    }
    showFrame(presenter, terminal, console);
    return 0;
}
