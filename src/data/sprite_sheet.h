#pragma once

#include <cstdint>
#include <memory>

#include "console/text_string.h"

// One picture: ten rows of at most 19 characters (Windows-1251) and a name.
struct Sprite {
    static constexpr int ROWS = 10;
    static constexpr int CELL = 21;  // 19 characters and at least two zeros

    char rows[ROWS][CELL] = {};
    TextString name;
};

// Every sprite of one sprite file, drawn at any console position. The file
// is a count line, then per sprite ten rows of 20 characters (the 20th is
// discarded) and a name line. A missing file is reported on the console and
// leaves the sheet empty; an index outside the sheet draws nothing.
class SpriteSheet {
  public:
    explicit SpriteSheet(TextString path);
    virtual ~SpriteSheet() = default;
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // Rows of sprite index at rows row + 1 to row + 10, from column.
    virtual void draw(std::int32_t index, std::int32_t column, std::int32_t row);

    std::int32_t count() const { return count_; }
    bool contains(std::int32_t index) const { return index >= 0 && index < count_; }
    // The sprite at index, or nullptr outside the sheet.
    const Sprite* sprite(std::int32_t index) const;
    // The sprite's name; an empty text outside the sheet.
    const TextString& name(std::int32_t index) const;

  private:
    std::unique_ptr<Sprite[]> sprites_;
    std::int32_t count_ = 0;
};
