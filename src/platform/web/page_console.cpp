#include "platform/web/page_console.h"

#include "platform/key_codes.h"
#include "platform/spoken_keys.h"
#include "platform/web/page_keys.h"

PageConsole::~PageConsole() {
    page_.gameOver();
}

void PageConsole::present(const VirtualConsole& console) {
    record_ = console.record();
    page_.showFrame(changedRows(haveShown_ ? &shown_ : nullptr, console.grid()), record_);
    shown_ = console.grid();
    haveShown_ = true;
}

int PageConsole::readKey() {
    while (keys_.empty()) {
        const std::string typed = keyBytes(page_.nextKey());
        // An arrow's second byte is no letter, whatever its code.
        if (typed.size() != 1) {
            keys_ = typed;
            continue;
        }
        const SpokenKey answer = spokenKey(static_cast<unsigned char>(typed[0]), record_);
        if (answer.say.empty()) {
            keys_ = answer.keys;
        } else {
            page_.say(answer.say);
        }
    }
    const auto key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}
