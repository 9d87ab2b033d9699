#include "platform/posix/terminal_guard.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "platform/posix/no_stop_on_output.h"
#include "platform/posix/window_fit.h"
#include "platform/posix/write_all.h"

namespace {

// There is one guard at a time (see the constructor).
bool g_guardExists = false;
// Everything a signal handler reads or writes lives here, as plain data.
int g_wakeRead = -1;
int g_wakeWrite = -1;
// The terminal whose foreground the game watches: that of the keys, or of
// the screen when the keys are piped in; -1 when there is none.
int g_terminal = -1;
// The keys come from a terminal, whose modes are then the game's to set.
bool g_keyboardIsTerminal = false;
// The game is told in plain lines: no cursor to hide or show, no frame to
// put the prompt below.
bool g_plainLines = false;
// The modes as the shell had them when the game last took the terminal.
termios g_shellModes{};
// The terminal is in the game's modes with the cursor hidden.
volatile sig_atomic_t g_held = 0;
// Continued since the game last took the terminal.
volatile sig_atomic_t g_resumed = 0;
// The signals given a handler here, to be set back to default at the end.
sigset_t g_handled;
bool g_suspendIgnored = false;
bool g_quitIgnored = false;

constexpr char GIVE_BACK[] = "\x1b[?2026l\x1b[0m\x1b[?25h";
// The frame's bottom line is row 49 (1-based); the prompt goes below it.
constexpr char BELOW_FRAME[] = "\x1b[49;1H\r\n";
constexpr char HIDE_CURSOR[] = "\x1b[?25l";

void setDisposition(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // On the stack of giveHandlersAStack(), where there is one: a crash from
    // an overflowing stack leaves none to run the handler on.
    action.sa_flags = SA_ONSTACK;
    sigaction(sig, &action, nullptr);
}

// A stack of their own for the handlers, allocated once and kept for the
// whole run (a handler may run at any time until the very end).
void giveHandlersAStack() {
    static void* stack = nullptr;
    if (stack != nullptr) {
        return;
    }
    const std::size_t size = std::max<std::size_t>(64 * 1024, std::size_t(SIGSTKSZ));
    stack = std::malloc(size);
    if (stack == nullptr) {
        return;
    }
    stack_t alternate{};
    alternate.ss_sp = stack;
    alternate.ss_size = size;
    alternate.ss_flags = 0;
    sigaltstack(&alternate, nullptr);
}

bool startedIgnoring(int sig) {
    struct sigaction current {};
    return sigaction(sig, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

void handle(int sig, void (*handler)(int)) {
    setDisposition(sig, handler);
    sigaddset(&g_handled, sig);
}

bool foreground() {
    if (g_terminal < 0) {
        return true;
    }
    // Fails for a terminal that is not the game's controlling terminal,
    // where no shell can take the foreground from it.
    const pid_t owner = tcgetpgrp(g_terminal);
    return owner < 0 || owner == getpgrp();
}

// Async-signal-safe: the shell's modes back, the cursor shown, the prompt
// below the frame. From the background nothing is touched: the shell owns
// the terminal then and has set it up for itself.
void giveBack(Writing how) {
    if (!g_held || !foreground()) {
        return;
    }
    // Should the shell take the terminal meanwhile, SIGTTOU must not stop a
    // game that is on its way out.
    const NoStopOnOutput noStop;
    // Written while the game's modes still hold, so that they arrive as
    // they are.
    if (!g_plainLines) {
        writeOut(STDOUT_FILENO, GIVE_BACK, sizeof GIVE_BACK - 1, how);
        writeOut(STDOUT_FILENO, BELOW_FRAME, sizeof BELOW_FRAME - 1, how);
    }
    if (g_keyboardIsTerminal) {
        // At once: the modes need no output, while waiting for the output
        // to drain (TCSAFLUSH) could wait for ever. Keys typed for the game
        // are not left to the shell.
        tcsetattr(STDIN_FILENO, TCSANOW, &g_shellModes);
        tcflush(STDIN_FILENO, TCIFLUSH);
    }
    g_held = 0;
}

void wake(char why) {
    if (g_wakeWrite >= 0) {
        [[maybe_unused]] ssize_t ignored = write(g_wakeWrite, &why, 1);
    }
}

// The terminal back, then the end the signal would have brought anyway
// (with a core dump where that is its default).
void onEndingSignal(int sig) {
    giveBack(Writing::AtOnce);
    giveBackWindowSize(Writing::AtOnce);
    setDisposition(sig, SIG_DFL);
    raise(sig);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, sig);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
}

void onSuspend(int) {
    const int saved = errno;
    // The shell's "Stopped" and its prompt go below the frame, not into it.
    giveBack(Writing::AtOnce);
    // Stopped when this handler returns; the handler comes back when the
    // game takes the terminal again.
    setDisposition(SIGTSTP, SIG_DFL);
    raise(SIGTSTP);
    errno = saved;
}

void onContinue(int) {
    const int saved = errno;
    g_resumed = 1;
    wake('C');
    errno = saved;
}

void onResize(int) {
    const int saved = errno;
    wake('W');
    errno = saved;
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

void openWakePipe() {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    g_wakeRead = fds[0];
    g_wakeWrite = fds[1];
    for (int fd : fds) {
        fcntl(fd, F_SETFL, O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
}

// Every signal whose default action ends the process and that can be caught.
void handleEndingSignals() {
    // Faults of the game itself end it even when ignored: always caught.
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        handle(sig, onEndingSignal);
    }
    const int sent[] = {
        SIGHUP,  SIGINT,  SIGQUIT,   SIGTRAP,   SIGUSR1, SIGUSR2, SIGALRM,
        SIGTERM, SIGXCPU, SIGXFSZ,   SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGEMT
        SIGEMT,
#endif
#ifdef __linux__
        SIGIO,   SIGPWR,  SIGSTKFLT,
#endif
    };
    // A signal the game was started to ignore (nohup, a background job)
    // stays ignored.
    for (int sig : sent) {
        if (!startedIgnoring(sig)) {
            handle(sig, onEndingSignal);
        }
    }
#ifdef SIGRTMIN
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) {
        if (!startedIgnoring(sig)) {
            handle(sig, onEndingSignal);
        }
    }
#endif
}

termios gameModes(const termios& shell) {
    termios raw = shell;
    // No echo, no line editing, Enter arrives as CR (13), and the keys that
    // would send signals arrive as bytes.
    raw.c_lflag &= ~tcflag_t(ICANON | ECHO | IEXTEN | ISIG);
    raw.c_iflag &= ~tcflag_t(ICRNL | INLCR | IGNCR | IXON);
    // The terminal gets exactly the bytes the game writes: its line ends
    // are CR LF already, and a line feed never needs a CR added.
    raw.c_oflag &= ~tcflag_t(ONLCR);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    return raw;
}

}  // namespace

TerminalGuard::TerminalGuard(bool plainLines) {
    // Its state is the process's: a second guard would take the first one's
    // raw modes for the shell's and give those back at the end.
    if (g_guardExists) {
        std::fputs("ancient-evil: a second terminal guard was made\n", stderr);
        std::abort();
    }
    g_guardExists = true;
    g_plainLines = plainLines;
    keepStandardDescriptors();
    openWakePipe();
    g_keyboardIsTerminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &g_shellModes) == 0;
    g_terminal = g_keyboardIsTerminal ? STDIN_FILENO : isatty(STDOUT_FILENO) ? STDOUT_FILENO : -1;
    sigemptyset(&g_handled);
    giveHandlersAStack();
    handleEndingSignals();
    g_quitIgnored = startedIgnoring(SIGQUIT);
    g_suspendIgnored = startedIgnoring(SIGTSTP);
    signal(SIGPIPE, SIG_IGN);
    handle(SIGCONT, onContinue);
    handle(SIGWINCH, onResize);
    take();
}

TerminalGuard::~TerminalGuard() {
    for (int sig : {SIGTSTP, SIGCONT, SIGWINCH}) {
        if (sigismember(&g_handled, sig)) {
            setDisposition(sig, SIG_DFL);
        }
    }
    giveBack(Writing::Waiting);
    giveBackWindowSize(Writing::Waiting);
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sigismember(&g_handled, sig) == 1) {
            setDisposition(sig, SIG_DFL);
        }
    }
    close(g_wakeRead);
    close(g_wakeWrite);
    g_wakeRead = g_wakeWrite = -1;
    g_guardExists = false;
}

bool TerminalGuard::inForeground() {
    return foreground();
}

bool TerminalGuard::take() {
    if ((g_held && !g_resumed) || !foreground()) {
        return false;
    }
    g_resumed = 0;
    if (!g_held && g_keyboardIsTerminal) {
        termios shell{};
        if (tcgetattr(STDIN_FILENO, &shell) == 0) {
            g_shellModes = shell;
        }
    }
    // The modes to give back are in place before a handler may use them.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    g_held = 1;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (g_keyboardIsTerminal) {
        const termios raw = gameModes(g_shellModes);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
    }
    // Keys piped in leave no modes to set; the cursor is hidden all the same.
    if (!g_plainLines) {
        writeAll(STDOUT_FILENO, HIDE_CURSOR, sizeof HIDE_CURSOR - 1);
    }
    if (!g_suspendIgnored) {
        handle(SIGTSTP, onSuspend);
    }
    return true;
}

TerminalGuard::Control TerminalGuard::control(unsigned char byte) const {
    if (!g_keyboardIsTerminal || (g_shellModes.c_lflag & ISIG) == 0) {
        return Control::None;  // the player's terminal sends no signals
    }
    const auto is = [&](int key) {
        return g_shellModes.c_cc[key] != _POSIX_VDISABLE && g_shellModes.c_cc[key] == byte;
    };
    if (is(VINTR)) {
        return Control::Leave;
    }
    if (is(VSUSP)) {
        return Control::Suspend;
    }
    if (is(VQUIT)) {
        return Control::Quit;
    }
    return Control::None;
}

// The terminal is given back before the signal goes out: once the job has
// stopped, the shell takes the terminal, and the game could not touch it.
void TerminalGuard::suspendJob() {
    if (!g_suspendIgnored) {
        giveBack(Writing::Waiting);
        kill(0, SIGTSTP);
    }
}

void TerminalGuard::quitJob() {
    if (!g_quitIgnored) {
        giveBack(Writing::Waiting);
        kill(0, SIGQUIT);
    }
}

int TerminalGuard::wakeFd() const {
    return g_wakeRead;
}

bool TerminalGuard::takeWakeups() {
    char reasons[64];
    bool any = false;
    while (g_wakeRead >= 0 && read(g_wakeRead, reasons, sizeof reasons) > 0) {
        any = true;
    }
    return any;
}
