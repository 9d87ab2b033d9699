#pragma once

#include <cstdint>

// Milliseconds since 1970 (Date.now()) as the game's 32-bit tick count:
// their low 32 bits, as a millisecond counter that wraps. A clock that
// gives no finite number counts as 0.
std::uint32_t ticksFromDateNow(double milliseconds);
