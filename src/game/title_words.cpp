#include "game/title_words.h"

#include "platform/code_pages.h"

namespace {

// A Latin or a Cyrillic letter, as a Windows-1251 byte (Ё and ё too).
bool isLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0xC0 ||
           byte == 0xA8 || byte == 0xB8;
}

// Counts the runs of two letters or more: the words a stretch holds.
int wordsIn(const std::string& stretch) {
    int words = 0;
    int run = 0;
    for (const char byte : stretch) {
        run = isLetter(static_cast<unsigned char>(byte)) ? run + 1 : 0;
        words += run == 2 ? 1 : 0;
    }
    return words;
}

// The stretch from its first letter to its last letter or sentence mark,
// as UTF-8, if it holds two words or more.
void takeStretch(std::string& stretch, std::vector<std::string>& found) {
    std::size_t first = 0;
    while (first < stretch.size() && !isLetter(static_cast<unsigned char>(stretch[first]))) {
        ++first;
    }
    std::size_t end = stretch.size();
    while (end > first) {
        const char last = stretch[end - 1];
        if (isLetter(static_cast<unsigned char>(last)) || last == '.' || last == '!' ||
            last == '?') {
            break;
        }
        --end;
    }
    const std::string words = stretch.substr(first, end - first);
    if (wordsIn(words) >= 2) {
        found.push_back(utf8FromCp1251(words.c_str()));
    }
    stretch.clear();
}

}  // namespace

std::vector<std::string> titleWords(const std::string& text) {
    std::vector<std::string> found;
    std::string stretch;
    int blanks = 0;
    for (const char byte : text) {
        if (byte == '\n' || byte == '\r') {
            takeStretch(stretch, found);
            blanks = 0;
        } else if (byte == ' ' || byte == '\t') {
            if (++blanks == 2) {
                takeStretch(stretch, found);
            } else if (blanks == 1) {
                stretch += ' ';
            }
        } else if (byte != '\0') {
            blanks = 0;
            stretch += byte;
        }
    }
    takeStretch(stretch, found);
    return found;
}
