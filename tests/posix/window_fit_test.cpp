// The request that grows a small terminal window for the frame, against a
// pseudo-terminal played by the test: one that honours the request, one
// that ignores it. What is asked for, what is given back at the end, and
// when nothing is sent at all.
#include "platform/posix/window_fit.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>

namespace {

constexpr int WAIT_MS = 2000;  // generous: a busy machine answers late
constexpr int SHORT_WAIT_MS = 100;

// A pseudo-terminal whose far end the test plays: it reads what the game
// sends and, if it honours resizing, applies the first request it reads.
// A busy machine may run its thread late and pass bytes on late, so each
// request is read whole, never cut off by a deadline.
class ResizableTerminal {
  public:
    ResizableTerminal(int columns, int rows, bool honours) : honours_(honours) {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        EXPECT_EQ(grantpt(master_), 0);
        EXPECT_EQ(unlockpt(master_), 0);
        slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
        EXPECT_GE(slave_, 0);
        resize(columns, rows);
    }
    ~ResizableTerminal() {
        giveBackWindowSize();  // the next test starts with nothing to give back
        stop();
        close(slave_);
        close(master_);
    }

    int fd() const { return slave_; }

    void resize(int columns, int rows) {
        winsize size{};
        size.ws_col = static_cast<unsigned short>(columns);
        size.ws_row = static_cast<unsigned short>(rows);
        EXPECT_EQ(ioctl(master_, TIOCSWINSZ, &size), 0);
    }
    std::string size() const {
        winsize size{};
        EXPECT_EQ(ioctl(master_, TIOCGWINSZ, &size), 0);
        return std::to_string(size.ws_col) + "x" + std::to_string(size.ws_row);
    }

    // Plays the terminal while the game waits for its window to grow: reads
    // the request and, if the terminal honours it, applies it.
    void answer() {
        player_ = std::thread([this] {
            request_ = nextRequest();
            int rows = 0;
            int columns = 0;
            if (honours_ && std::sscanf(request_.c_str(), "\x1b[8;%d;%dt", &rows, &columns) == 2) {
                resize(columns, rows);
            }
        });
    }
    // The request answer() read, all of it, so that none is left for sent().
    std::string request() {
        stop();
        return request_;
    }
    // The next request the game sends, whole.
    std::string nextRequest() { return readFor(WAIT_MS, true); }
    // What the game sent since, waiting only a moment: for nothing sent.
    std::string sent() { return readFor(SHORT_WAIT_MS, false); }

  private:
    // What arrives within ms, and with whole, the rest of a request begun,
    // up to its final t.
    std::string readFor(int ms, bool whole) {
        std::string got;
        pollfd ready{master_, POLLIN, 0};
        while (poll(&ready, 1, ms) > 0) {
            char buffer[64];
            const ssize_t size = read(master_, buffer, sizeof buffer);
            if (size <= 0) {
                break;
            }
            got.append(buffer, std::size_t(size));
            if (whole && got.back() == 't') {
                break;
            }
            ms = whole ? WAIT_MS : 10;  // the rest of what was sent with it
        }
        return got;
    }
    void stop() {
        if (player_.joinable()) {
            player_.join();
        }
    }

    int master_ = -1;
    int slave_ = -1;
    bool honours_;
    std::thread player_;
    std::string request_;
};

TEST(WindowFit, AHonouredRequestGrowsTheWindowAndTheSizeFoundComesBackOnce) {
    ResizableTerminal terminal(80, 24, true);
    terminal.answer();
    EXPECT_TRUE(growWindowToFit(terminal.fd(), 80, 49, WAIT_MS));
    EXPECT_EQ(terminal.request(), "\x1b[8;49;80t");
    EXPECT_EQ(terminal.size(), "80x49");

    giveBackWindowSize();
    EXPECT_EQ(terminal.nextRequest(), "\x1b[8;24;80t");
    giveBackWindowSize();  // a signal after the normal end, say
    EXPECT_EQ(terminal.sent(), "");
}

TEST(WindowFit, TheWindowNeverGetsNarrowerOrLowerThanItIs) {
    struct Case {
        int columns, rows;
        const char* request;
        const char* giveBack;
    };
    for (const Case& c : {Case{120, 30, "\x1b[8;49;120t", "\x1b[8;30;120t"},
                          Case{70, 60, "\x1b[8;60;80t", "\x1b[8;60;70t"},
                          Case{79, 49, "\x1b[8;49;80t", "\x1b[8;49;79t"}}) {
        SCOPED_TRACE(std::to_string(c.columns) + "x" + std::to_string(c.rows));
        ResizableTerminal terminal(c.columns, c.rows, true);
        terminal.answer();
        EXPECT_TRUE(growWindowToFit(terminal.fd(), 80, 49, WAIT_MS));
        EXPECT_EQ(terminal.request(), c.request);
        giveBackWindowSize();
        EXPECT_EQ(terminal.nextRequest(), c.giveBack);
    }
}

TEST(WindowFit, AWindowLargeEnoughOrNoTerminalGetsNothing) {
    for (const auto& size : {std::make_pair(80, 49), std::make_pair(200, 60)}) {
        ResizableTerminal terminal(size.first, size.second, true);
        EXPECT_FALSE(growWindowToFit(terminal.fd(), 80, 49, WAIT_MS));
        giveBackWindowSize();
        EXPECT_EQ(terminal.sent(), "");
    }
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    EXPECT_FALSE(growWindowToFit(fds[1], 80, 49, WAIT_MS));
    giveBackWindowSize();
    close(fds[1]);
    char byte;
    EXPECT_EQ(read(fds[0], &byte, 1), 0);  // nothing was written into the pipe
    close(fds[0]);
}

TEST(WindowFit, AnIgnoredRequestCostsOneWaitAndNothingIsGivenBack) {
    ResizableTerminal terminal(80, 24, false);
    terminal.answer();
    EXPECT_FALSE(growWindowToFit(terminal.fd(), 80, 49, SHORT_WAIT_MS));
    EXPECT_EQ(terminal.request(), "\x1b[8;49;80t");
    giveBackWindowSize();
    EXPECT_EQ(terminal.sent(), "");
    EXPECT_EQ(terminal.size(), "80x24");
}

TEST(WindowFit, AWindowThatGrowsAfterTheWaitToTheSizeAskedForStillGetsItsSizeBack) {
    ResizableTerminal terminal(80, 24, false);
    terminal.answer();
    EXPECT_FALSE(growWindowToFit(terminal.fd(), 80, 49, SHORT_WAIT_MS));
    terminal.request();
    terminal.resize(80, 49);  // a terminal slower than the wait
    giveBackWindowSize();
    EXPECT_EQ(terminal.nextRequest(), "\x1b[8;24;80t");
}

TEST(WindowFit, ASizeThePlayerChoseIsLeftAlone) {
    for (bool honours : {true, false}) {
        SCOPED_TRACE(honours ? "after the window grew" : "after the request was ignored");
        ResizableTerminal terminal(80, 24, honours);
        terminal.answer();
        EXPECT_EQ(growWindowToFit(terminal.fd(), 80, 49, honours ? WAIT_MS : SHORT_WAIT_MS),
                  honours);
        terminal.request();
        terminal.resize(132, 50);
        giveBackWindowSize();
        EXPECT_EQ(terminal.sent(), "");
        EXPECT_EQ(terminal.size(), "132x50");
    }
}

}  // namespace
