#include "platform/xterm/sync_update_reply.h"

namespace {

constexpr char ESC = '\x1b';
constexpr const char* MODE = "2026";
// Longer than any reply: a run of parameters this long is not one.
constexpr std::size_t LONGEST_REPLY = 32;

bool isParameter(char byte) {
    return (byte >= '0' && byte <= '9') || byte == ';';
}

}  // namespace

void SyncUpdateReply::feed(const char* bytes, std::size_t size, std::string& keys) {
    for (std::size_t i = 0; i < size; ++i) {
        take(bytes[i], keys);
    }
}

void SyncUpdateReply::finish(std::string& keys) {
    keys += pending_;
    pending_.clear();
}

void SyncUpdateReply::take(char byte, std::string& keys) {
    if (pending_.empty()) {
        if (byte == ESC) {
            pending_ = byte;
        } else {
            keys += byte;
        }
        return;
    }
    // What may follow: ESC [ ? parameters, then c, or $ and y.
    const std::size_t length = pending_.size();
    const char previous = pending_.back();
    bool fits = false;
    if (length == 1) {
        fits = byte == '[';
    } else if (length == 2) {
        fits = byte == '?';
    } else if (previous == '$') {
        fits = byte == 'y';
    } else {
        fits = isParameter(byte) || byte == '$' || byte == 'c';
    }
    if (fits && length < LONGEST_REPLY) {
        pending_ += byte;
        if (byte == 'y' || byte == 'c') {
            finishReply(byte);
            pending_.clear();
        }
        return;
    }
    // Not a reply after all: the bytes were keys, and this one starts anew.
    keys += pending_;
    pending_.clear();
    take(byte, keys);
}

void SyncUpdateReply::finishReply(char final) {
    if (final == 'c') {
        answered_ = true;
        return;
    }
    // ESC [ ? mode ; state $ y
    const std::string parameters = pending_.substr(3, pending_.size() - 5);
    const std::size_t separator = parameters.find(';');
    if (separator == std::string::npos || parameters.compare(0, separator, MODE) != 0) {
        return;
    }
    const std::string state = parameters.substr(separator + 1);
    supported_ = state == "1" || state == "2";
}
