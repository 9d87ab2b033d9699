#include "console/text_string.h"

#include <gtest/gtest.h>

namespace {

TEST(TextString, EmptyAppendAndAssignKeepLengthAndTextInStep) {
    TextString text;
    EXPECT_EQ(text.length(), 0);
    EXPECT_STREQ(text.text(), "");

    text.assign("short");
    text.append(TextString());
    EXPECT_EQ(text.length(), 5);
    text.append(" and ").append("chained");
    EXPECT_STREQ(text.text(), "short and chained");
    EXPECT_EQ(text.length(), 17);

    text.assign("tiny");
    EXPECT_STREQ(text.text(), "tiny");
    EXPECT_EQ(text.length(), 4);
}

TEST(TextString, CopiesOwnTheirCharactersAndSelfAssignmentIsSafe) {
    TextString original("abc");
    TextString copy(original);
    copy.data()[0] = 'X';
    EXPECT_STREQ(original.text(), "abc");

    original.assign(original);
    EXPECT_STREQ(original.text(), "abc");
    original.append(original);
    EXPECT_STREQ(original.text(), "abcabc");
    EXPECT_EQ(original.length(), 6);
}

TEST(TextString, StopsAtTheFirstZeroByte) {
    const char withZero[] = {'a', 'b', '\0', 'c', '\0'};
    TextString text(withZero);
    EXPECT_EQ(text.length(), 2);
}

}  // namespace
