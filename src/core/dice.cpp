#include "core/dice.h"

#include <algorithm>
#include <limits>

#include "platform/random.h"

std::int32_t rollBetween(std::int32_t a, std::int32_t b) {
    const std::int64_t low = std::min(a, b);
    const std::int64_t high = std::max(a, b);
    const std::int64_t span = high - low + 1;
    return static_cast<std::int32_t>(nextRandom() % span + low);
}

namespace {

std::int32_t clampToInt32(std::int64_t value) {
    constexpr std::int64_t LOW = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t HIGH = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, LOW, HIGH));
}

}  // namespace

std::int32_t saturatingAdd(std::int32_t value, std::int32_t amount) {
    return clampToInt32(std::int64_t{value} + amount);
}

std::int32_t saturatingSubtract(std::int32_t value, std::int32_t amount) {
    return clampToInt32(std::int64_t{value} - amount);
}
