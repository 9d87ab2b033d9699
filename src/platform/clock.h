#pragma once

#include <cstdint>

// Milliseconds from an arbitrary fixed point; only used to seed the generator.
std::uint32_t tickCount();
