#include "clock/thread_priority.h"

namespace velmira {

int ThreadPriorityForIndex(int32_t index) {
    // THREAD_PRIORITY_IDLE, _LOWEST, _BELOW_NORMAL, _NORMAL, _ABOVE_NORMAL, _HIGHEST
    static constexpr int kPriorities[] = {-15, -2, -1, 0, 1, 2};
    static_assert(sizeof(kPriorities) / sizeof(kPriorities[0]) == kThreadPriorityIndexCount,
                  "one priority per index");
    if (index < 0 || index >= kThreadPriorityIndexCount) return kPriorities[0];
    return kPriorities[index];
}

}  // namespace velmira
