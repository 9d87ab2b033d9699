// The start-up question whether the terminal keeps a synchronized update
// whole, asked over real descriptors: an answer ends the wait, the keys
// around it are kept, and a terminal that never answers costs only a short
// wait.
#include "platform/posix/sync_update_query.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/terminal_replies.h"

namespace {

// A terminal on the far end of two pipes.
class AskedTerminal {
  public:
    AskedTerminal() {
        EXPECT_EQ(pipe(toGame_), 0);
        EXPECT_EQ(pipe(fromGame_), 0);
        fcntl(fromGame_[0], F_SETFL, O_NONBLOCK);
    }
    ~AskedTerminal() {
        if (sender_.joinable()) {
            sender_.join();
        }
        for (int fd : {toGame_[0], toGame_[1], fromGame_[0], fromGame_[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    // Sends the first part at once, so that it is there however late the
    // thread runs, then the others, a short pause before each.
    void send(std::vector<std::string> parts) {
        write(parts.front());
        sender_ = std::thread([this, parts] {
            for (std::size_t i = 1; i < parts.size(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                write(parts[i]);
            }
        });
    }
    void hangUp() {
        close(toGame_[1]);
        toGame_[1] = -1;
    }
    bool ask(int waitMs, std::string& typed) {
        return askSynchronizedUpdate(toGame_[0], fromGame_[1], waitMs, typed);
    }
    std::string asked() {
        char buffer[64];
        const ssize_t size = read(fromGame_[0], buffer, sizeof buffer);
        return size > 0 ? std::string(buffer, std::size_t(size)) : std::string();
    }

  private:
    void write(const std::string& part) {
        EXPECT_EQ(::write(toGame_[1], part.data(), part.size()), ssize_t(part.size()));
    }

    int toGame_[2] = {-1, -1};
    int fromGame_[2] = {-1, -1};
    std::thread sender_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(SyncUpdateQuery, AnAnswerEndsTheWaitAndTheKeysAroundItAreKept) {
    AskedTerminal terminal;
    terminal.send({"x", SUPPORTED.substr(0, 4), SUPPORTED.substr(4) + DA1 + "y"});
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(terminal.ask(10000, typed));
    EXPECT_LT(secondsSince(start), 5.0);  // long before the wait would end
    EXPECT_EQ(typed, "xy");
    EXPECT_EQ(terminal.asked(), "\x1b[?2026$p\x1b[c");
}

TEST(SyncUpdateQuery, ATerminalThatDoesNotKnowTheModeSaysSoAtOnce) {
    AskedTerminal terminal;
    terminal.send({DA1});
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(terminal.ask(10000, typed));
    EXPECT_LT(secondsSince(start), 5.0);
    EXPECT_EQ(typed, "");
}

TEST(SyncUpdateQuery, NoAnswerMeansNoSupportAfterAShortWait) {
    AskedTerminal terminal;
    terminal.send({"k"});
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(terminal.ask(100, typed));
    const double waited = secondsSince(start);
    EXPECT_GE(waited, 0.09);
    EXPECT_LT(waited, 5.0);
    EXPECT_EQ(typed, "k");
}

TEST(SyncUpdateQuery, InputThatEndsEndsTheWait) {
    AskedTerminal terminal;
    terminal.hangUp();
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(terminal.ask(10000, typed));
    EXPECT_LT(secondsSince(start), 5.0);
}

TEST(SyncUpdateQuery, NothingIsAskedOfKeysPipedIn) {
    // The test's own standard input is no terminal under CTest.
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        GTEST_SKIP() << "run from a terminal";
    }
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(askSynchronizedUpdate(typed));
    EXPECT_LT(secondsSince(start), 0.05);
    EXPECT_EQ(typed, "");
}

}  // namespace
