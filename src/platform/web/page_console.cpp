#include "platform/web/page_console.h"

#include "platform/web/page_keys.h"

PageConsole::~PageConsole() {
    page_.gameOver();
}

void PageConsole::present(const VirtualConsole& console) {
    page_.showRows(changedRows(haveShown_ ? &shown_ : nullptr, console.grid()));
    shown_ = console.grid();
    haveShown_ = true;
}

int PageConsole::readKey() {
    while (keys_.empty()) {
        keys_ = keyBytes(page_.nextKey());
    }
    const auto key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}
