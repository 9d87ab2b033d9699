#include "platform/web/page_console.h"

#include "platform/web/page_keys.h"

PageConsole::~PageConsole() {
    page_.gameOver();
}

void PageConsole::present(const VirtualConsole& console) {
    // The page says a frame's news once it waits for a key with none
    // typed ahead, which only it knows.
    spoken_.show(console.record(), true);
    page_.showFrame(changedRows(haveShown_ ? &shown_ : nullptr, console.grid()), console.record());
    shown_ = console.grid();
    haveShown_ = true;
}

int PageConsole::readKey() {
    // The wait for a key stays in this function, the one that Asyncify
    // instruments for it.
    while (!spoken_.hasKey()) {
        for (const char key : keyBytes(page_.nextKey())) {
            const std::string words = spoken_.type(static_cast<unsigned char>(key));
            if (!words.empty()) {
                page_.say(words);
            }
        }
    }
    return spoken_.takeKey();
}
