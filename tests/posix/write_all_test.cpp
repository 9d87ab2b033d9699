// Writing to a terminal that takes its time: a non-blocking descriptor is
// waited for rather than losing bytes, an error is told, and a signal
// handler's write never waits.
#include "platform/posix/write_all.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

class Pipe {
  public:
    Pipe() { EXPECT_EQ(pipe(fds_), 0); }
    ~Pipe() {
        closeReadEnd();
        closeWriteEnd();
    }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeReadEnd() { closeEnd(0); }
    void closeWriteEnd() { closeEnd(1); }
    // Fills the pipe until it takes no more.
    void fill() {
        const int flags = fcntl(writeEnd(), F_GETFL);
        fcntl(writeEnd(), F_SETFL, flags | O_NONBLOCK);
        const std::string block(4096, 'f');
        while (write(writeEnd(), block.data(), block.size()) > 0) {
        }
        fcntl(writeEnd(), F_SETFL, flags);
    }
    std::string readAll() {
        std::string all;
        char buffer[4096];
        ssize_t got;
        while ((got = read(readEnd(), buffer, sizeof buffer)) > 0) {
            all.append(buffer, std::size_t(got));
        }
        return all;
    }

  private:
    void closeEnd(int end) {
        if (fds_[end] >= 0) {
            close(fds_[end]);
            fds_[end] = -1;
        }
    }
    int fds_[2] = {-1, -1};
};

std::string pattern(std::size_t size) {
    std::string text(size, ' ');
    for (std::size_t i = 0; i < size; ++i) {
        text[i] = char('a' + i % 26);
    }
    return text;
}

TEST(WriteAll, WaitsForANonBlockingDescriptorThatIsFullAndLosesNothing) {
    Pipe pipe;
    fcntl(pipe.writeEnd(), F_SETFL, O_NONBLOCK);
    // Several times what the pipe holds, read slowly at the other end.
    const std::string frame = pattern(1 << 20);
    std::string arrived;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        arrived = pipe.readAll();
    });
    EXPECT_TRUE(writeAll(pipe.writeEnd(), frame.data(), frame.size()));
    pipe.closeWriteEnd();
    reader.join();
    EXPECT_TRUE(arrived == frame) << arrived.size() << " of " << frame.size() << " bytes";
}

TEST(WriteAll, TellsAnErrorThatNoWaitingMends) {
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    EXPECT_FALSE(writeAll(full, "frame", 5));
    EXPECT_EQ(errno, ENOSPC);
    close(full);

    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    Pipe pipe;
    pipe.closeReadEnd();
    EXPECT_FALSE(writeAll(pipe.writeEnd(), "frame", 5));
    EXPECT_EQ(errno, EPIPE);
    sigaction(SIGPIPE, &previous, nullptr);
}

TEST(WriteAtOnce, NeverWaitsAndLeavesTheDescriptorAsItWas) {
    Pipe pipe;
    pipe.fill();
    const auto start = std::chrono::steady_clock::now();
    writeAtOnce(pipe.writeEnd(), "bytes", 5);  // would block for ever
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(fcntl(pipe.writeEnd(), F_GETFL) & O_NONBLOCK, 0);

    Pipe empty;
    writeAtOnce(empty.writeEnd(), "bytes", 5);
    empty.closeWriteEnd();
    EXPECT_EQ(empty.readAll(), "bytes");
}

}  // namespace
