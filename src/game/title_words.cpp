#include "game/title_words.h"

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace {

bool isLetter(char32_t ch) {
    return (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z') ||
           (ch >= U'\u0400' && ch <= U'\u04FF');
}

// Counts the runs of two letters or more: the words a stretch holds.
int wordsIn(const std::u32string& stretch) {
    int words = 0;
    int run = 0;
    for (const char32_t ch : stretch) {
        run = isLetter(ch) ? run + 1 : 0;
        if (run == 2) {
            ++words;
        }
    }
    return words;
}

// The stretch from its first letter to its last letter or sentence mark.
std::u32string withoutStrokes(const std::u32string& stretch) {
    std::size_t first = 0;
    while (first < stretch.size() && !isLetter(stretch[first])) {
        ++first;
    }
    std::size_t end = stretch.size();
    while (end > first) {
        const char32_t ch = stretch[end - 1];
        if (isLetter(ch) || ch == U'.' || ch == U'!' || ch == U'?') {
            break;
        }
        --end;
    }
    return stretch.substr(first, end - first);
}

void takeStretch(std::u32string& stretch, std::vector<std::string>& found) {
    const std::u32string words = withoutStrokes(stretch);
    if (wordsIn(words) >= 2) {
        std::string utf8;
        for (const char32_t ch : words) {
            appendUtf8(ch, utf8);
        }
        found.push_back(utf8);
    }
    stretch.clear();
}

}  // namespace

std::vector<std::string> titleWords(const std::string& text) {
    std::vector<std::string> found;
    std::u32string stretch;
    int blanks = 0;
    for (const char byte : text) {
        const char32_t ch = decodeCp1251(static_cast<unsigned char>(byte));
        if (ch == U'\n' || ch == U'\r') {
            takeStretch(stretch, found);
            blanks = 0;
        } else if (ch == U' ' || ch == U'\t') {
            if (++blanks == 2) {
                takeStretch(stretch, found);
            } else if (blanks == 1) {
                stretch += U' ';
            }
        } else {
            blanks = 0;
            stretch += ch;
        }
    }
    takeStretch(stretch, found);
    return found;
}
