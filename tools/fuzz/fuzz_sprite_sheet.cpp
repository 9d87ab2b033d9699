// Any bytes as a sprite file: loading and drawing every sprite must stay
// inside the sheet's buffers, and what it holds must keep the reader's
// bounds (19 characters a row, 255 a name, a sensible count).
#include <cstring>

#include "data/collection_limits.h"
#include "data/sprite_sheet.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VirtualConsole console;
    fuzz::DrawingInto target(console);
    const std::string path = fuzz::writeScratch("sheet.txt", data, size);
    SpriteSheet sheet(path.c_str());

    if (sheet.count() < 0 || sheet.count() > MAX_COLLECTION_COUNT) {
        __builtin_trap();
    }
    for (std::int32_t i = -2; i < sheet.count() + 2; ++i) {
        if (sheet.contains(i) != (sheet.sprite(i) != nullptr)) {
            __builtin_trap();
        }
        if (const Sprite* sprite = sheet.sprite(i)) {
            for (const auto& row : sprite->rows) {
                if (strnlen(row, Sprite::CELL) > Sprite::CELL - 2) {
                    __builtin_trap();
                }
            }
        }
        if (sheet.name(i).length() > 255 ||
            sheet.name(i).length() != std::int32_t(std::strlen(sheet.name(i).text()))) {
            __builtin_trap();
        }
        fuzz::drawEntry(sheet, i, sheet.count());
        fuzz::printName(sheet.name(i).text());
    }
    return 0;
}
