#include "data/sprite_sheet.h"

#include <new>

#include "console/console_output.h"
#include "data/collection_limits.h"
#include "data/data_file.h"
#include "data/missing_file.h"

namespace {

constexpr int NAME_BUFFER = 256;

void readSprite(DataFile& file, Sprite& sprite) {
    for (auto& row : sprite.rows) {
        // 19 characters or up to a line break, then two more are dropped:
        // the 20th column and the line break of a well-formed row.
        file.readLine(row, 20);
        file.readChar();
        file.readChar();
    }
    char name[NAME_BUFFER] = {};
    int got = file.readLine(name, NAME_BUFFER);
    // Only a line break is dropped, and a carriage return before it: a name
    // on the file's last line, without one, keeps its last letter.
    if (got > 0 && name[got - 1] == '\n') {
        name[--got] = '\0';
    }
    if (got > 0 && name[got - 1] == '\r') {
        name[--got] = '\0';
    }
    sprite.name.assign(name);
}

}  // namespace

SpriteSheet::SpriteSheet(TextString path) {
    DataFile file(path.text());
    if (!file.isOpen()) {
        reportMissingFile(path.text());
        return;
    }
    std::int32_t announced = 0;
    file.readInt(announced);
    file.readChar();
    if (!isSensibleCount(announced)) {
        return;
    }
    sprites_.reset(new (std::nothrow) Sprite[announced]);
    if (!sprites_) {
        return;
    }
    count_ = announced;
    for (std::int32_t i = 0; i < count_; ++i) {
        readSprite(file, sprites_[i]);
    }
}

const Sprite* SpriteSheet::sprite(std::int32_t index) const {
    return contains(index) ? &sprites_[index] : nullptr;
}

const TextString& SpriteSheet::name(std::int32_t index) const {
    static const TextString NO_NAME;
    return contains(index) ? sprites_[index].name : NO_NAME;
}

void SpriteSheet::draw(std::int32_t index, std::int32_t column, std::int32_t row) {
    const Sprite* picture = sprite(index);
    if (picture == nullptr) {
        return;
    }
    for (int k = 0; k < Sprite::ROWS; ++k) {
        printAt(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row + 1 + k),
                picture->rows[k]);
    }
}
