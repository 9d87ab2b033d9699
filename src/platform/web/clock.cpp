#include <emscripten.h>

#include "platform/port.h"
#include "platform/web/page_clock.h"

namespace {

// clang-format off
EM_JS(double, pageDateNow, (), {
    return Date.now();
});
// clang-format on

}  // namespace

// The wall clock rather than the page's own (performance.now), which
// starts near 0 on every load and would give every player nearly the same
// rolls.
std::uint32_t tickCount() {
    return ticksFromDateNow(pageDateNow());
}
