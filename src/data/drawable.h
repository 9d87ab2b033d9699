#pragma once

#include <cstdint>

// Something that draws entry index of itself at a console position; the two
// catalogues are, so the status panel can draw a weapon card through it.
class Drawable {
  public:
    virtual ~Drawable() = default;
    virtual void draw(std::int32_t index, std::int32_t column, std::int32_t row) = 0;
};
