#include "platform/web/page_clock.h"

#include <cmath>

std::uint32_t ticksFromDateNow(double milliseconds) {
    constexpr double WRAP = 4294967296.0;
    if (!std::isfinite(milliseconds)) {
        return 0;
    }
    double ticks = std::fmod(std::floor(milliseconds), WRAP);
    if (ticks < 0) {
        ticks += WRAP;
    }
    return static_cast<std::uint32_t>(ticks);
}
