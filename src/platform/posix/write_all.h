#pragma once

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstddef>

// Writes all the bytes. A descriptor that takes no more for now (one left
// non-blocking says EAGAIN) is waited for until it does, and a signal that
// interrupts is gone on from, so nothing is lost on the way. False on an
// error that no waiting mends (a full disk, a closed pipe or terminal), with
// errno telling which. Async-signal-safe: only write() and poll().
inline bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd writable{fd, POLLOUT, 0};
            poll(&writable, 1, -1);  // interrupted or not, the write tells
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes as much of the bytes as the descriptor takes at once and drops the
// rest: for a signal handler on the way out, which must not wait for a
// terminal whose output is stopped. The descriptor is non-blocking only
// for these writes. Async-signal-safe: only fcntl() and write().
inline void writeAtOnce(int fd, const char* data, std::size_t size) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0) {
        return;
    }
    const bool blocking = (flags & O_NONBLOCK) == 0;
    if (blocking && fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) {
        return;
    }
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    if (blocking) {
        fcntl(fd, F_SETFL, flags);
    }
}

// How the terminal is given back on the way out: the game's own ways out
// wait until the terminal has taken every byte; a signal handler must never
// wait, since the terminal's output may be stopped (Scroll Lock, a frozen
// window, a stalled link) and the signal is to end the game all the same.
enum class Writing { Waiting, AtOnce };

// writeAll or writeAtOnce, as `how` says. Async-signal-safe.
inline void writeOut(int fd, const char* data, std::size_t size, Writing how) {
    if (how == Writing::AtOnce) {
        writeAtOnce(fd, data, size);
    } else {
        writeAll(fd, data, size);
    }
}
