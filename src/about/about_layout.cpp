#include "about/about_layout.h"

namespace velmira {

Rect CentredPictureBox(const Rect& designed, int32_t pictureWidth, int32_t pictureHeight) {
    return Rect{designed.left + designed.width / 2 - pictureWidth / 2,
                designed.top + designed.height / 2 - pictureHeight / 2, pictureWidth,
                pictureHeight};
}

}  // namespace velmira
