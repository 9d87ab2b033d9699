#include "platform/glyphs.h"

namespace {

// The console's picture characters for the control codes 0 to 31.
constexpr char16_t CONTROL_GLYPHS[32] = {
    u' ',      u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u2022',
    u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
    u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
    u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC',
};

}  // namespace

char32_t glyphOf(char32_t ch) {
    if (ch < 0x20) {
        return CONTROL_GLYPHS[ch];
    }
    if (ch == 0x7F) {
        return U'\u2302';
    }
    if ((ch >= 0x80 && ch < 0xA0) || (ch >= 0xD800 && ch < 0xE000) || ch > 0x10FFFF) {
        return U'?';  // C1 controls and what UTF-8 cannot carry
    }
    return ch;
}
