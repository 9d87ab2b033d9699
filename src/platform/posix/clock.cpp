#include <time.h>

#include "platform/port.h"

std::uint32_t tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000u + now.tv_nsec / 1000000);
}
