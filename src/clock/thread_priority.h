#pragma once
// The clock thread's priority index (the ThreadPrio setting and the tags of
// the priority menu items) and the Win32 thread priority each one stands for.

#include <cstdint>

namespace velmira {

// The indexes run from 0 (idle) to kThreadPriorityIndexCount - 1 (highest);
// the menu offers one item per index.
constexpr int32_t kThreadPriorityIndexCount = 6;

// The indexes give idle (-15), lowest (-2), below normal (-1), normal (0),
// above normal (1) and highest (2). A stored index outside the table runs the
// thread at idle, the least intrusive choice, and matches no menu item.
int ThreadPriorityForIndex(int32_t index);

}  // namespace velmira
