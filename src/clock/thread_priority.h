#pragma once
// The clock thread's priority index (the ThreadPrio setting and the tags of
// the priority menu items) and the Win32 thread priority each one stands for.

#include <cstdint>

namespace velmira {

constexpr int32_t kThreadPriorityIndexCount = 6;  // 0 idle .. 5 highest

// 0..5 give idle (-15), lowest (-2), below normal (-1), normal (0), above
// normal (1) and highest (2). A stored index outside 0..5 runs the thread at
// idle, the least intrusive choice, and matches no menu item.
int ThreadPriorityForIndex(int32_t index);

}  // namespace velmira
