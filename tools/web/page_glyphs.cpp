// ae-page-glyphs FILE DATA_FILE...: writes every character the page can
// show for the game (UTF-8, each once), for its font to hold. A cell only
// ever holds a byte of the game's own texts, which are Windows-1251 (RU()
// refuses anything else) or, written unconverted, its fixed ASCII pieces
// and numbers; or a byte of one of the data files, which the page's game
// has built in, so that no other file can bring a character of its own
// (the pictures of control codes, the console's box drawing). The page
// shows each as its pageGlyph.
#include <cstdio>
#include <set>
#include <string>

#include "platform/code_pages.h"
#include "platform/utf8.h"
#include "platform/web/page_rows.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: ae-page-glyphs FILE DATA_FILE...\n", stderr);
        return 2;
    }
    std::set<char32_t> glyphs;
    for (int byte = 0x20; byte < 256; ++byte) {
        glyphs.insert(pageGlyph(decodeCp1251(static_cast<unsigned char>(byte))));
    }
    for (int i = 2; i < argc; ++i) {
        std::FILE* data = std::fopen(argv[i], "rb");
        if (data == nullptr) {
            std::perror(argv[i]);
            return 1;
        }
        for (int byte = std::fgetc(data); byte != EOF; byte = std::fgetc(data)) {
            if (byte != '\n') {  // ends a line, never shown
                glyphs.insert(pageGlyph(decodeCp1251(static_cast<unsigned char>(byte))));
            }
        }
        std::fclose(data);
    }
    std::string text;
    for (char32_t glyph : glyphs) {
        appendUtf8(glyph, text);
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "ae-page-glyphs: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
