#include "base/display_scale.h"

namespace velmira {

int32_t DisplayScale::Px(int32_t value) const {
    const int64_t scaled = static_cast<int64_t>(value) * dpi_;
    const int64_t half = kBaseDpi / 2;
    return static_cast<int32_t>(scaled >= 0 ? (scaled + half) / kBaseDpi
                                            : -((-scaled + half) / kBaseDpi));
}

}  // namespace velmira
