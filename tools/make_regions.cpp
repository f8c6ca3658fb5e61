// Builds the two window-shape blocks from the artwork:
//   make_regions <character.bmp> <dial-mask.bmp> <character.rgn> <dial.rgn>
// The character is every pixel that is not the pure green background; the
// dial is every black pixel of its mask.

#include <cstdio>
#include <string>
#include <vector>

#include "base/region_block.h"
#include "bmp_image.h"

namespace {

bool MakeBlock(const std::string& bmpPath, const std::string& rgnPath,
               bool (*inside)(const velmira::RgbPixel&)) {
    std::vector<uint8_t> bytes;
    velmira::RgbImage image;
    if (!velmira::ReadFileBytes(bmpPath, bytes) || !velmira::DecodeBmp(bytes, image)) {
        std::fprintf(stderr, "make_regions: cannot read %s as a BMP picture\n", bmpPath.c_str());
        return false;
    }
    std::vector<uint8_t> mask(image.pixels.size());
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = inside(image.pixels[i]) ? 1 : 0;
    const auto rects = velmira::MaskToRegionRects(mask, image.width, image.height);
    const auto bound = velmira::RegionBound(rects);
    if (!velmira::WriteFileBytes(rgnPath, velmira::EncodeRegionBlock(rects))) {
        std::fprintf(stderr, "make_regions: cannot write %s\n", rgnPath.c_str());
        return false;
    }
    std::printf("%s: %zu rectangles, bound %d,%d,%d,%d\n", rgnPath.c_str(), rects.size(),
                bound.left, bound.top, bound.right, bound.bottom);
    return true;
}

bool NotGreen(const velmira::RgbPixel& p) { return !(p.r == 0 && p.g == 255 && p.b == 0); }
bool IsBlack(const velmira::RgbPixel& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(
            stderr,
            "usage: make_regions <character.bmp> <dial-mask.bmp> <character.rgn> <dial.rgn>\n");
        return 2;
    }
    const bool ok = MakeBlock(argv[1], argv[3], &NotGreen) && MakeBlock(argv[2], argv[4], &IsBlack);
    return ok ? 0 : 1;
}
