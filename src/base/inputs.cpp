#include "base/inputs.h"

#include <memory>
#include <random>

namespace velmira {

RandomSource SeededRandomSource(uint32_t seed) {
    // Shared, so that copies of the source draw from one sequence.
    auto engine = std::make_shared<std::minstd_rand>(seed);
    return [engine](uint32_t bound) -> uint32_t {
        if (bound == 0) return 0;
        return std::uniform_int_distribution<uint32_t>(0, bound - 1)(*engine);
    };
}

}  // namespace velmira
