// The terminal's answers to the start-up question whether it keeps a
// synchronized update whole are read apart from the keys typed meanwhile,
// however they arrive.
#include "platform/xterm/sync_update_reply.h"

#include <gtest/gtest.h>

#include <string>

#include "support/terminal_replies.h"

namespace {

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

}  // namespace
