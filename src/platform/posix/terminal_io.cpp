#include "platform/posix/terminal_io.h"

#include <errno.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/port.h"
#include "platform/posix/sync_update_query.h"
#include "platform/posix/window_fit.h"
#include "platform/posix/write_all.h"
#include "platform/small_window_notice.h"
#include "platform/write_failure.h"

namespace {

constexpr int ESCAPE_WAIT_MS = 40;
// A shell's fg sends no SIGCONT to a job that runs in the background, so a
// game there looks again this often whether it is in the foreground.
constexpr int BACKGROUND_CHECK_MS = 200;
// A terminal that honours the request to grow does so at once; one that
// has not after this long counts as one that ignores it.
constexpr int WINDOW_GROWTH_WAIT_MS = 500;

bool terminalTooSmall(int& columns, int& rows) {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) {
        return false;  // not a terminal: nothing to measure, draw as usual
    }
    columns = size.ws_col;
    rows = size.ws_row;
    return columns < VirtualConsole::COLUMNS || rows < VirtualConsole::ROWS;
}

}  // namespace

TerminalIo::TerminalIo(ConsoleMode mode)
    : plainLines_(mode == ConsoleMode::PlainLines), guard_(plainLines_) {
    if (plainLines_) {
        say(SCREEN_READER_KEYS);
        return;
    }
    if (!TerminalGuard::inForeground()) {
        return;  // reading the terminal from the background would stop the game
    }
    // Before the first frame, so that it is drawn in the grown window.
    growWindowToFit(STDOUT_FILENO, VirtualConsole::COLUMNS, VirtualConsole::ROWS,
                    WINDOW_GROWTH_WAIT_MS);
    // Asked with the terminal held, so that the reply is neither echoed nor
    // held for a line; keys typed meanwhile are the game's.
    std::string typed;
    presenter_.setSynchronizedUpdate(askSynchronizedUpdate(typed));
    takeBytes(reinterpret_cast<const unsigned char*>(typed.data()), long(typed.size()));
}

void TerminalIo::present(const VirtualConsole& console) {
    if (plainLines_) {
        if (spoken_.show(console.record(), !keys_.empty())) {
            for (const std::string& line : console.record().spoken.news) {
                say(line);
            }
        }
        return;
    }
    lastFrame_ = console.grid();
    haveFrame_ = true;
    show();
}

void TerminalIo::say(const std::string& line) {
    unsaid_ += line + "\r\n";  // the terminal's own line end is off in raw mode
    sayUnsaid();
}

void TerminalIo::sayUnsaid() {
    if (unsaid_.empty() || !TerminalGuard::inForeground()) {
        return;
    }
    guard_.take();
    if (send(unsaid_)) {
        unsaid_.clear();
    }
}

void TerminalIo::show() {
    if (plainLines_) {
        sayUnsaid();
        return;
    }
    if (!haveFrame_) {
        return;
    }
    if (!TerminalGuard::inForeground()) {
        stale_ = true;  // the shell's screen now; drawn when the game is back
        return;
    }
    if (guard_.take()) {
        stale_ = true;
    }
    if (stale_) {
        // After a resume, a resize or a stay in the background the
        // terminal's content is unknown.
        presenter_.invalidate();
        stale_ = false;
    }
    int columns = 0;
    int rows = 0;
    if (terminalTooSmall(columns, rows)) {
        send(std::string(TerminalPresenter::FRAME_MODES) + "\x1b[0m\x1b[2J\x1b[H" +
             smallWindowNotice(columns, rows));
        presenter_.invalidate();
        noticeShown_ = true;
        return;
    }
    noticeShown_ = false;
    if (!send(presenter_.render(lastFrame_))) {
        // The presenter counts the frame as shown: it must not draw the
        // next one as changes to a screen that never arrived.
        presenter_.invalidate();
    }
}

bool TerminalIo::send(const std::string& bytes) {
    if (!failure_.empty()) {
        return false;
    }
    if (writeAll(STDOUT_FILENO, bytes.data(), bytes.size())) {
        return true;
    }
    // A full disk, a closed pipe, a terminal gone: no frame will reach the
    // player any more, and playing on blind would be no use.
    failure_ = cannotWrite("the game's screen", errno);
    return false;
}

void TerminalIo::handleWakeups() {
    if (guard_.takeWakeups()) {
        stale_ = true;
        show();
    }
}

// Keys are not read in the background (that would stop the game), only
// resumes and resizes are taken note of.
void TerminalIo::waitForForeground() {
    pollfd wake = {guard_.wakeFd(), POLLIN, 0};
    poll(&wake, 1, BACKGROUND_CHECK_MS);
    if (guard_.takeWakeups()) {
        stale_ = true;
    }
}

bool TerminalIo::takeBytes(const unsigned char* bytes, long count) {
    for (long i = 0; i < count; ++i) {
        switch (guard_.control(bytes[i])) {
            case TerminalGuard::Control::Leave:
                keys_.clear();
                inputClosed_ = true;
                return false;
            case TerminalGuard::Control::Suspend:
                guard_.suspendJob();
                return true;  // what followed was typed for the stopped game
            case TerminalGuard::Control::Quit:
                guard_.quitJob();
                return true;
            case TerminalGuard::Control::None:
                decoder_.feed(bytes[i], keys_);
                break;
        }
    }
    if (noticeShown_) {
        keys_.clear();  // the player cannot see what a key would do
    }
    return true;
}

// Reads what the terminal has sent into keys_; false once input has ended.
bool TerminalIo::fillKeys() {
    while (keys_.empty()) {
        if (inputClosed_ || !failure_.empty()) {
            return false;
        }
        if (!TerminalGuard::inForeground()) {
            waitForForeground();
            continue;
        }
        if (guard_.take()) {
            stale_ = true;
        }
        if (stale_) {
            show();
        }
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {guard_.wakeFd(), POLLIN, 0}};
        const int timeout = decoder_.pending() ? ESCAPE_WAIT_MS : -1;
        const int ready = poll(fds, guard_.wakeFd() >= 0 ? 2 : 1, timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                handleWakeups();
                continue;
            }
            inputClosed_ = true;
            continue;
        }
        if (ready == 0) {
            decoder_.flush(keys_);
            continue;
        }
        if (fds[1].revents & POLLIN) {
            handleWakeups();
        }
        if (fds[0].revents & POLLNVAL) {
            inputClosed_ = true;  // no standard input at all: no key will come
            continue;
        }
        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            unsigned char buffer[256];
            const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            if (got <= 0) {
                decoder_.flush(keys_);
                inputClosed_ = true;
                continue;
            }
            if (!takeBytes(buffer, got)) {
                return false;
            }
        }
    }
    return true;
}

int TerminalIo::typedKey() {
    if (!fillKeys()) {
        return -1;
    }
    const unsigned char key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}

int TerminalIo::readKey() {
    const int key = plainLines_ ? spoken_.nextKey([this] { return typedKey(); },
                                                  [this](const std::string& words) { say(words); })
                                : typedKey();
    return key < 0 ? END_OF_INPUT : key;
}

std::unique_ptr<GameIo> openPlayerConsole(ConsoleMode mode) {
    return std::make_unique<TerminalIo>(mode);
}
