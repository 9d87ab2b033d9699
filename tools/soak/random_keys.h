#pragma once

#include <cstdint>
#include <random>
#include <string>

// Key bytes as a restless player and a noisy line would send them: mostly
// arrows (224 then 72 or 80) and Enter, some letters and digits, escape
// sequences a terminal sends for other keys, and plain garbage. The same
// seed gives the same bytes on every machine.
class RandomKeys {
  public:
    explicit RandomKeys(std::uint32_t seed) : engine_(seed) {}

    // The next key's bytes: one to four of them.
    std::string next();
    // True once in `times`: lets the caller bend the keys now and then.
    bool oneIn(int times) { return below(times) == 0; }

  private:
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

    std::mt19937 engine_;
};
