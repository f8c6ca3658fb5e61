#pragma once
// The machine state the parts read: the local clock, held keys and a random
// source. They are handed in, so every part runs in a test on readings of its
// own instead of the real machine's.

#include <cstdint>
#include <functional>

#include "base/types.h"

namespace velmira {

// A fresh reading of the local clock.
using LocalClock = std::function<LocalTime()>;

// Whether a key or mouse button is down now, by its virtual-key code.
using KeyHeld = std::function<bool(int virtualKey)>;

// A number in [0, bound); bound 0 gives 0.
using RandomSource = std::function<uint32_t(uint32_t bound)>;

// A generator seeded once; the same seed gives the same numbers.
RandomSource SeededRandomSource(uint32_t seed);

}  // namespace velmira
