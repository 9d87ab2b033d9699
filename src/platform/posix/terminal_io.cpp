#include "platform/posix/terminal_io.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "platform/port.h"
#include "platform/posix/sync_update_query.h"
#include "platform/small_window_notice.h"

namespace {

// Everything a signal handler needs lives here, as plain data.
int g_wakeRead = -1;
int g_wakeWrite = -1;
bool g_haveSavedMode = false;
termios g_savedMode{};

constexpr char SHOW_CURSOR_AND_RESET[] = "\x1b[?2026l\x1b[0m\x1b[?25h";
// The frame's bottom line is row 49 (1-based); the prompt goes below it.
constexpr char BELOW_FRAME[] = "\x1b[49;1H\r\n";
constexpr char HIDE_CURSOR[] = "\x1b[?25l";
constexpr int ESCAPE_WAIT_MS = 40;

void writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
}

// Keys piped in leave no terminal mode to set; the cursor is hidden all the
// same, at the start and again after every resume.
void enterRawMode() {
    writeAll(STDOUT_FILENO, HIDE_CURSOR, sizeof HIDE_CURSOR - 1);
    if (!g_haveSavedMode) {
        return;
    }
    termios raw = g_savedMode;
    // No echo, no line editing, Enter arrives as CR (13); ISIG stays on so
    // that Ctrl-C and Ctrl-Z still reach us as signals.
    raw.c_lflag &= ~tcflag_t(ICANON | ECHO | IEXTEN);
    raw.c_iflag &= ~tcflag_t(ICRNL | INLCR | IGNCR | IXON);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
}

// Async-signal-safe: only write() and tcsetattr().
void restoreTerminal(bool moveBelowFrame) {
    writeAll(STDOUT_FILENO, SHOW_CURSOR_AND_RESET, sizeof SHOW_CURSOR_AND_RESET - 1);
    if (moveBelowFrame) {
        writeAll(STDOUT_FILENO, BELOW_FRAME, sizeof BELOW_FRAME - 1);
    }
    if (g_haveSavedMode) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedMode);
    }
}

void wake(char why) {
    if (g_wakeWrite >= 0) {
        const int saved = errno;
        [[maybe_unused]] ssize_t ignored = write(g_wakeWrite, &why, 1);
        errno = saved;
    }
}

void onFatalSignal(int sig) {
    restoreTerminal(true);
    signal(sig, SIG_DFL);
    raise(sig);
}

void onSuspend(int) {
    // The shell's "Stopped" and its prompt go below the frame, not into it.
    restoreTerminal(true);
    signal(SIGTSTP, SIG_DFL);
    raise(SIGTSTP);  // delivered, and stops us, when this handler returns
}

void onContinue(int);

void installHandler(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(sig, &action, nullptr);
}

void onContinue(int) {
    installHandler(SIGTSTP, onSuspend);
    const int saved = errno;
    enterRawMode();
    errno = saved;
    wake('C');
}

void onResize(int) {
    wake('W');
}

// A program started with standard input, output or error closed would get
// that number for its wake-up pipe, and then wait on the pipe for keys
// forever. /dev/null takes the place: no keys, and input ends at once.
void keepStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        // open() takes the lowest free number: fd itself, the lower ones
        // being open by now.
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF && open("/dev/null", O_RDWR) < 0) {
            return;
        }
    }
}

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

TerminalIo::TerminalIo() {
    keepStandardDescriptors();
    int fds[2];
    if (pipe(fds) == 0) {
        g_wakeRead = fds[0];
        g_wakeWrite = fds[1];
        fcntl(g_wakeRead, F_SETFL, O_NONBLOCK);
        fcntl(g_wakeWrite, F_SETFL, O_NONBLOCK);
        fcntl(g_wakeRead, F_SETFD, FD_CLOEXEC);
        fcntl(g_wakeWrite, F_SETFD, FD_CLOEXEC);
    }
    g_haveSavedMode = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &g_savedMode) == 0;
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        // A signal the game was started to ignore (nohup, a background job)
        // stays ignored.
        struct sigaction current {};
        if (sigaction(sig, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        installHandler(sig, onFatalSignal);
    }
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        installHandler(sig, onFatalSignal);
    }
    signal(SIGPIPE, SIG_IGN);
    installHandler(SIGTSTP, onSuspend);
    installHandler(SIGCONT, onContinue);
    installHandler(SIGWINCH, onResize);
    enterRawMode();
    // In raw mode, so that the terminal's reply is neither echoed nor held
    // for a line; keys typed meanwhile are the game's.
    std::string typed;
    presenter_.setSynchronizedUpdate(askSynchronizedUpdate(typed));
    for (char byte : typed) {
        decoder_.feed(static_cast<unsigned char>(byte), keys_);
    }
}

TerminalIo::~TerminalIo() {
    for (int sig : {SIGTSTP, SIGCONT, SIGWINCH}) {
        signal(sig, SIG_DFL);
    }
    restoreTerminal(true);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        signal(sig, SIG_DFL);
    }
    close(g_wakeRead);
    close(g_wakeWrite);
    g_wakeRead = g_wakeWrite = -1;
}

void TerminalIo::present(const VirtualConsole& console) {
    lastFrame_ = console.grid();
    haveFrame_ = true;
    show();
}

void TerminalIo::show() {
    if (!haveFrame_) {
        return;
    }
    int columns = 0;
    int rows = 0;
    if (terminalTooSmall(columns, rows)) {
        const std::string notice = "\x1b[0m\x1b[2J\x1b[H" + smallWindowNotice(columns, rows);
        writeAll(STDOUT_FILENO, notice.data(), notice.size());
        presenter_.invalidate();
        noticeShown_ = true;
        return;
    }
    noticeShown_ = false;
    const std::string bytes = presenter_.render(lastFrame_);
    writeAll(STDOUT_FILENO, bytes.data(), bytes.size());
}

void TerminalIo::handleWakeups() {
    char reasons[64];
    bool redraw = false;
    ssize_t n;
    while ((n = read(g_wakeRead, reasons, sizeof reasons)) > 0) {
        redraw = true;
    }
    if (redraw) {
        // After a resume or a resize the terminal's content is unknown.
        presenter_.invalidate();
        show();
    }
}

// Reads what the terminal has sent into keys_; false once input has ended.
bool TerminalIo::fillKeys() {
    while (keys_.empty()) {
        if (inputClosed_) {
            return false;
        }
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {g_wakeRead, POLLIN, 0}};
        const int timeout = decoder_.pending() ? ESCAPE_WAIT_MS : -1;
        const int ready = poll(fds, g_wakeRead >= 0 ? 2 : 1, timeout);
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
            for (ssize_t i = 0; i < got; ++i) {
                decoder_.feed(buffer[i], keys_);
            }
            if (noticeShown_) {
                keys_.clear();  // the player cannot see what a key would do
            }
        }
    }
    return true;
}

int TerminalIo::readKey() {
    if (!fillKeys()) {
        return END_OF_INPUT;
    }
    const unsigned char key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}

std::unique_ptr<GameIo> openPlayerConsole() {
    return std::make_unique<TerminalIo>();
}
