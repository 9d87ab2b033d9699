#include "platform/windows/piped_keys.h"

bool PipedKeys::fill() {
    while (keys_.empty() && !ended_) {
        unsigned char buffer[256];
        DWORD got = 0;
        if (!ReadFile(input_, buffer, sizeof buffer, &got, nullptr) || got == 0) {
            decoder_.flush(keys_);
            ended_ = true;
            break;
        }
        for (DWORD i = 0; i < got; ++i) {
            const bool lineFeedOfCrLf = buffer[i] == '\n' && afterCarriageReturn_;
            afterCarriageReturn_ = buffer[i] == '\r';
            if (!lineFeedOfCrLf) {
                decoder_.feed(buffer[i], keys_);
            }
        }
    }
    return !keys_.empty();
}

int PipedKeys::next() {
    if (!fill()) {
        return -1;
    }
    const auto key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}
