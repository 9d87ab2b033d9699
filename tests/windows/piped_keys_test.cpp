// Keys piped into the Windows game are the bytes a terminal or a script
// sends: decoded like the terminal's, with a Windows line end counting as
// one Enter, and input ending with the pipe.
#include "platform/windows/piped_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Pipe {
  public:
    Pipe() { CreatePipe(&read_, &write_, nullptr, 0); }
    ~Pipe() {
        closeWriting();
        CloseHandle(read_);
    }
    void send(const std::string& bytes) {
        DWORD written = 0;
        WriteFile(write_, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    }
    void closeWriting() {
        if (write_ != nullptr) {
            CloseHandle(write_);
            write_ = nullptr;
        }
    }
    HANDLE reading() const { return read_; }

  private:
    HANDLE read_ = nullptr;
    HANDLE write_ = nullptr;
};

std::vector<int> allKeys(const std::string& bytes) {
    Pipe pipe;
    pipe.send(bytes);
    pipe.closeWriting();
    PipedKeys keys(pipe.reading());
    std::vector<int> out;
    for (int key = keys.next(); key >= 0; key = keys.next()) {
        out.push_back(key);
    }
    EXPECT_EQ(keys.next(), -1) << "input stays ended";
    return out;
}

TEST(PipedKeys, LineEndsOfEitherKindAreOneEnterEach) {
    EXPECT_EQ(allKeys("x\r\n\r\n"), (std::vector<int>{'x', 13, 13}));
    EXPECT_EQ(allKeys("\n\n"), (std::vector<int>{13, 13}));
    EXPECT_EQ(allKeys("\r\r\n\r"), (std::vector<int>{13, 13, 13}));
}

TEST(PipedKeys, ArrowSequencesBecomeTheConsolePairs) {
    EXPECT_EQ(allKeys("\x1b[A\x1bOB\xE6"), (std::vector<int>{224, 72, 224, 80, 0xE6}));
    EXPECT_EQ(allKeys("\x1b"), (std::vector<int>{27}));  // a lone Escape at the end
}

TEST(PipedKeys, ACrLfSplitBetweenTwoReadsIsStillOneEnter) {
    Pipe pipe;
    PipedKeys keys(pipe.reading());
    pipe.send("\r");
    EXPECT_EQ(keys.next(), 13);
    pipe.send("\nb");
    pipe.closeWriting();
    EXPECT_EQ(keys.next(), 'b');
    EXPECT_EQ(keys.next(), -1);
}

TEST(PipedKeys, NoInputAtAllEndsAtOnce) {
    EXPECT_EQ(allKeys(""), std::vector<int>{});
    PipedKeys none(INVALID_HANDLE_VALUE);
    EXPECT_EQ(none.next(), -1);
    PipedKeys null(nullptr);
    EXPECT_EQ(null.next(), -1);
}

}  // namespace
