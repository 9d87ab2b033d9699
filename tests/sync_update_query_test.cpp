// The start-up question whether the terminal keeps a synchronized update
// whole: the replies are read apart from the keys typed meanwhile, however
// they arrive, and a terminal that never answers costs only a short wait.
#include "platform/posix/sync_update_query.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/posix/sync_update_reply.h"

namespace {

const std::string SUPPORTED = "\x1b[?2026;2$y";
const std::string DA1 = "\x1b[?62;22c";

struct Sorted {
    std::string keys;
    bool answered;
    bool supported;
};

// Feeds the bytes in pieces of the given size.
Sorted sort(const std::string& bytes, std::size_t piece = 1000) {
    SyncUpdateReply reply;
    Sorted sorted{};
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const std::string part = bytes.substr(at, piece);
        reply.feed(part.data(), part.size(), sorted.keys);
    }
    reply.finish(sorted.keys);
    sorted.answered = reply.answered();
    sorted.supported = reply.supported();
    return sorted;
}

TEST(SyncUpdateReply, TheModesStateSaysWhetherTheTerminalKnowsIt) {
    for (const char* state : {"1", "2"}) {
        EXPECT_TRUE(sort("\x1b[?2026;" + std::string(state) + "$y" + DA1).supported) << state;
    }
    for (const char* state : {"0", "3", "4"}) {
        EXPECT_FALSE(sort("\x1b[?2026;" + std::string(state) + "$y" + DA1).supported) << state;
    }
    // Another mode's reply, or none at all.
    EXPECT_FALSE(sort("\x1b[?25;1$y" + DA1).supported);
    const Sorted onlyDa1 = sort(DA1);
    EXPECT_TRUE(onlyDa1.answered);
    EXPECT_FALSE(onlyDa1.supported);
    EXPECT_EQ(onlyDa1.keys, "");
}

TEST(SyncUpdateReply, RepliesSplitAnywhereAreReadWhole) {
    for (std::size_t piece = 1; piece <= SUPPORTED.size(); ++piece) {
        const Sorted sorted = sort(SUPPORTED + DA1, piece);
        EXPECT_TRUE(sorted.supported) << piece;
        EXPECT_TRUE(sorted.answered) << piece;
        EXPECT_EQ(sorted.keys, "") << piece;
    }
}

TEST(SyncUpdateReply, KeysBeforeBetweenAndAfterTheRepliesAreKeptInOrder) {
    const Sorted sorted = sort("a\x1b[A" + SUPPORTED + "\r" + DA1 + "z\x1b", 3);
    EXPECT_TRUE(sorted.supported);
    EXPECT_EQ(sorted.keys, "a\x1b[A\rz\x1b");
    // An Escape key right before a reply, and a sequence that only looks
    // like the start of one.
    EXPECT_EQ(sort("\x1b" + SUPPORTED).keys, "\x1b");
    EXPECT_EQ(sort("\x1b[?5x").keys, "\x1b[?5x");
    EXPECT_EQ(sort("\x1b[?" + std::string(40, '1') + "c").keys,
              "\x1b[?" + std::string(40, '1') + "c");
    // The wait ended half-way through a reply: its start goes to the key
    // decoder, which swallows the rest when it comes.
    const Sorted cut = sort(SUPPORTED.substr(0, 7));
    EXPECT_EQ(cut.keys, SUPPORTED.substr(0, 7));
    EXPECT_FALSE(cut.supported);
}

// A terminal on the far end of two pipes.
class Terminal {
  public:
    Terminal() {
        EXPECT_EQ(pipe(toGame_), 0);
        EXPECT_EQ(pipe(fromGame_), 0);
        fcntl(fromGame_[0], F_SETFL, O_NONBLOCK);
    }
    ~Terminal() {
        if (sender_.joinable()) {
            sender_.join();
        }
        for (int fd : {toGame_[0], toGame_[1], fromGame_[0], fromGame_[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    // Sends the parts one after another, a short pause between them.
    void send(std::vector<std::string> parts) {
        sender_ = std::thread([this, parts] {
            for (const std::string& part : parts) {
                EXPECT_EQ(write(toGame_[1], part.data(), part.size()), ssize_t(part.size()));
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
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
    int toGame_[2] = {-1, -1};
    int fromGame_[2] = {-1, -1};
    std::thread sender_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(SyncUpdateQuery, AnAnswerEndsTheWaitAndTheKeysAroundItAreKept) {
    Terminal terminal;
    terminal.send({"x", SUPPORTED.substr(0, 4), SUPPORTED.substr(4) + DA1 + "y"});
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(terminal.ask(10000, typed));
    EXPECT_LT(secondsSince(start), 5.0);  // long before the wait would end
    EXPECT_EQ(typed, "xy");
    EXPECT_EQ(terminal.asked(), "\x1b[?2026$p\x1b[c");
}

TEST(SyncUpdateQuery, ATerminalThatDoesNotKnowTheModeSaysSoAtOnce) {
    Terminal terminal;
    terminal.send({DA1});
    std::string typed;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(terminal.ask(10000, typed));
    EXPECT_LT(secondsSince(start), 5.0);
    EXPECT_EQ(typed, "");
}

TEST(SyncUpdateQuery, NoAnswerMeansNoSupportAfterAShortWait) {
    Terminal terminal;
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
    Terminal terminal;
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
