#include <windows.h>

#include "platform/port.h"

std::uint32_t tickCount() {
    return GetTickCount();
}
