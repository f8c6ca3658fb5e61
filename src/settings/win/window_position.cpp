#include "settings/win/window_position.h"

#include "base/win/window_places.h"

namespace velmira {

bool WindowScreenPosition(HWND hwnd, POINT& at) {
    RECT bounds;
    if (!RestoredWindowRect(hwnd, bounds)) return false;
    at = POINT{bounds.left, bounds.top};
    return true;
}

}  // namespace velmira
