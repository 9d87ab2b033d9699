// ae-page-glyphs FILE: writes every character the page can show for the
// game (UTF-8, each once), for its font to hold. A cell only ever holds a
// byte of the game's texts decoded from Windows-1251 or, written
// unconverted, from the console's 866; the page shows its pageGlyph.
#include <cstdio>
#include <set>
#include <string>

#include "platform/code_pages.h"
#include "platform/utf8.h"
#include "platform/web/page_rows.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: ae-page-glyphs FILE\n", stderr);
        return 2;
    }
    std::set<char32_t> glyphs;
    for (int byte = 0; byte < 256; ++byte) {
        glyphs.insert(pageGlyph(decodeCp1251(static_cast<unsigned char>(byte))));
        glyphs.insert(pageGlyph(decodeCp866(static_cast<unsigned char>(byte))));
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
