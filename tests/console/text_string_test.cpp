#include "console/text_string.h"

#include "console/console_output.h"
#include "support/console_fixture.h"
#include "support/screen_text.h"

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

using PrintAtCopy = ConsoleTest;

TEST_F(PrintAtCopy, PrintingLeavesTheStoredTextInWindows1251) {
    const std::string bytes = cp1251("рублей");
    TextString stored(bytes.c_str());
    printAt(0, 0, stored);
    printAt(0, 1, stored);
    EXPECT_EQ(std::string(stored.text()), bytes);
    EXPECT_EQ(rowText(grid(), 1), "рублей");
}

}  // namespace
