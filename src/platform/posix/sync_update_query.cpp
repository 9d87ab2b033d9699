#include "platform/posix/sync_update_query.h"

#include <errno.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>

#include "platform/posix/write_all.h"
#include "platform/xterm/sync_update_reply.h"

namespace {

constexpr char QUESTIONS[] = "\x1b[?2026$p\x1b[c";
// Long enough for a terminal on this machine or across a nearby network,
// short enough to go unnoticed at start-up.
constexpr int WAIT_MS = 100;

}  // namespace

bool askSynchronizedUpdate(std::string& typed) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        return false;
    }
    return askSynchronizedUpdate(STDIN_FILENO, STDOUT_FILENO, WAIT_MS, typed);
}

bool askSynchronizedUpdate(int input, int output, int waitMs, std::string& typed) {
    if (!writeAll(output, QUESTIONS, sizeof QUESTIONS - 1)) {
        return false;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    SyncUpdateReply reply;
    while (!reply.answered()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            break;
        }
        pollfd ready{input, POLLIN, 0};
        const int got = poll(&ready, 1, int(left));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || !(ready.revents & (POLLIN | POLLHUP | POLLERR))) {
            break;  // the time is up, or no input to read
        }
        char buffer[256];
        const ssize_t size = read(input, buffer, sizeof buffer);
        if (size < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (size <= 0) {
            break;  // input ended: the game finds out when it reads
        }
        reply.feed(buffer, std::size_t(size), typed);
    }
    reply.finish(typed);
    return reply.supported();
}
