#pragma once

// The player's terminal as the game borrows it. While the game is in the
// foreground it holds the terminal: raw mode (no echo, no line editing, and
// no signals from the keyboard: Ctrl-C, Ctrl-Z and Ctrl-\ arrive as bytes
// for the game to act on) with the cursor hidden. It gives the terminal back
// as the shell had it, with the prompt below the frame, whenever the game
// stops or ends: normally, or by any signal whose default action would stop
// or end it. A game in the background leaves the terminal alone: it changes
// no modes and draws nothing, so it is never stopped for touching it, and a
// stopped game that is killed dies at once. For a game told in plain lines
// (for a screen reader) it writes no escape sequence at all: the modes are
// all it takes and gives back. Only one may exist at a time.
class TerminalGuard {
  public:
    // What a byte typed on the held terminal stands for.
    enum class Control { None, Leave, Suspend, Quit };

    explicit TerminalGuard(bool plainLines = false);
    ~TerminalGuard();
    TerminalGuard(const TerminalGuard&) = delete;
    TerminalGuard& operator=(const TerminalGuard&) = delete;

    // Whether the game may use the terminal now: it is in the foreground,
    // or there is no terminal whose foreground could be taken from it.
    static bool inForeground();
    // Takes the terminal if the game is in the foreground and does not hold
    // it yet, or holds it but was stopped and continued meanwhile (the shell
    // may have set its own modes). True when it did: the screen must be
    // drawn anew.
    bool take();
    // The terminal's interrupt key (Ctrl-C) leaves the game; its suspend and
    // quit keys (Ctrl-Z, Ctrl-\) stop or quit it, as they would have with
    // signals on.
    Control control(unsigned char byte) const;
    // What the terminal does for those two keys: the terminal is given back,
    // then the whole job is stopped or quit. Returns when the game runs on
    // (after fg, or when the signal was ignored from the start).
    void suspendJob();
    void quitJob();
    // Readable after a resume or a resize.
    int wakeFd() const;
    // Empties it; true when anything had woken it: the screen must be drawn
    // anew.
    bool takeWakeups();
};
