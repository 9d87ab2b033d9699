// A damaged data file can put tabs, carriage returns and escapes into the
// console's cells. On the terminal they must show as the console's glyphs:
// sent as they are, they would move the cursor or start sequences of their
// own and garble every frame after.
#include <gtest/gtest.h>

#include "platform/virtual_console.h"
#include "platform/xterm/terminal_presenter.h"

namespace {

TEST(ControlCharactersOnTheTerminal, ShowAsGlyphsAndNeverAsControls) {
    VirtualConsole console;
    console.moveCursor(10, 5);
    for (char32_t ch : std::u32string(U"a\tb\rc\x1b]0;x\x07\b\x7f\x9b"
                                      U"2J\x01z")) {
        console.put(ch);
    }
    TerminalPresenter presenter;
    std::string out = presenter.render(console.grid());

    // After the modes it sets first, the presenter's own sequences are all
    // CSI; nothing else is a control.
    const std::string modes = TerminalPresenter::FRAME_MODES;
    ASSERT_EQ(out.compare(0, modes.size(), modes), 0);
    out.erase(0, modes.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (byte == 0x1B) {
            ASSERT_LT(i + 1, out.size());
            EXPECT_EQ(out[i + 1], '[') << "a bare escape at byte " << i;
        } else {
            EXPECT_TRUE(byte >= 0x20 && byte != 0x7F)
                << "control byte " << int(byte) << " at " << i;
        }
    }
    EXPECT_EQ(out.find("\xC2\x9B"), std::string::npos);  // C1 CSI in UTF-8
    EXPECT_NE(out.find(u8"a○b♪c←]0;x•◘⌂?2J☺z"), std::string::npos) << out;
}

}  // namespace
