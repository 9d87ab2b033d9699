#pragma once

#include <cstdint>

// The data files hold a handful of entries each. A count beyond this is a
// damaged file, and gives an empty collection instead of a huge allocation.
constexpr std::int32_t MAX_COLLECTION_COUNT = 4096;

inline bool isSensibleCount(std::int32_t count) {
    return count > 0 && count <= MAX_COLLECTION_COUNT;
}
