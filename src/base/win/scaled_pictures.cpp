#include "base/win/scaled_pictures.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/picture_scaler.h"
#include "base/region_block.h"
#include "base/win/resources.h"

namespace velmira {

namespace {

// The artwork is drawn at 96 DPI and again at 200 % under the name + "2X".
constexpr int kTwiceDpi = 2 * kBaseDpi;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGreen = 0x00FF00;

std::optional<uint32_t> KeyPixel(PictureKey key) {
    switch (key) {
        case PictureKey::White:
            return kWhite;
        case PictureKey::Green:
            return kGreen;
        case PictureKey::None:
            break;
    }
    return std::nullopt;
}

// The 96-DPI size from the resource's own header, without decoding its pixels.
bool ResourcePictureSize(HINSTANCE module, const wchar_t* name, SIZE* size) {
    const ResourceBytes bytes = FindResourceBytes(module, name, RT_BITMAP);
    DWORD headerSize = 0;
    if (!bytes.data || bytes.size < sizeof(BITMAPCOREHEADER)) return false;
    std::memcpy(&headerSize, bytes.data, sizeof(headerSize));
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, bytes.data, sizeof(core));
        *size = SIZE{core.bcWidth, core.bcHeight};
    } else {
        if (bytes.size < sizeof(BITMAPINFOHEADER)) return false;
        BITMAPINFOHEADER info;
        std::memcpy(&info, bytes.data, sizeof(info));
        *size = SIZE{info.biWidth, info.biHeight < 0 ? -info.biHeight : info.biHeight};
    }
    return size->cx > 0 && size->cy > 0;
}

// The 200 % rendering's name; numbered resources have none.
std::wstring TwiceName(const wchar_t* name) {
    return IS_INTRESOURCE(name) ? std::wstring() : std::wstring(name) + L"2X";
}

// Where a picture, mask or glyph strip at a scale comes from: at 96 DPI the
// resource as drawn; at 192 DPI its 200 % drawing as drawn, when the module
// has one; at any other scale the scaler's resizing of the 200 % drawing, or
// of the resource when it has none.
struct PictureSource {
    enum class Use { Resource, Twice, Scaled };
    Use use = Use::Resource;
    const wchar_t* name = nullptr;  // the 96-DPI resource
    std::wstring twice;             // the 200 % drawing's name; empty at 96 DPI or without one

    // The resource to load: the 200 % drawing when there is one, else the 96-DPI one.
    const wchar_t* Name() const { return twice.empty() ? name : twice.c_str(); }
    // That resource's size over the 96-DPI size.
    int Factor() const { return twice.empty() ? 1 : 2; }
};

PictureSource SourceFor(HINSTANCE module, const wchar_t* name, const DisplayScale& scale) {
    PictureSource source;
    source.name = name;
    if (scale.IsOne()) return source;
    std::wstring twice = TwiceName(name);
    if (!twice.empty() && HasBitmapResource(module, twice.c_str())) source.twice = std::move(twice);
    const bool asDrawn = !source.twice.empty() && scale.Dpi() == kTwiceDpi;
    source.use = asDrawn ? PictureSource::Use::Twice : PictureSource::Use::Scaled;
    return source;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(bm), &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Any bitmap's pixels as 0x00RRGGBB (a 32-bit DIB's own byte order).
PixelPicture ReadPixels(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    PixelPicture picture;
    if (size.cx <= 0 || size.cy <= 0) return picture;
    BITMAPINFO info = TopDown32(size.cx, size.cy);
    picture.pixels.resize(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy),
                                 picture.pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != size.cy) return PixelPicture();
    for (uint32_t& p : picture.pixels) p &= 0xFFFFFF;
    picture.width = size.cx;
    picture.height = size.cy;
    return picture;
}

UniqueBitmap DibOf(const PixelPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return UniqueBitmap();
    uint32_t* bits = nullptr;
    UniqueBitmap dib = CreateTopDownDib(picture.width, picture.height, &bits);
    if (dib) std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(uint32_t));
    return dib;
}

// A monochrome bitmap, black inside: rows padded to 16 bits as CreateBitmap wants.
UniqueBitmap MonochromeOf(const PixelMask& mask) {
    if (mask.width <= 0 || mask.height <= 0) return UniqueBitmap();
    const size_t stride = static_cast<size_t>((mask.width + 15) / 16) * 2;
    std::vector<uint8_t> bits(stride * static_cast<size_t>(mask.height), 0);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (!mask.inside[static_cast<size_t>(y) * mask.width + x])
                bits[y * stride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    return UniqueBitmap(::CreateBitmap(mask.width, mask.height, 1, 1, bits.data()));
}

// The pixels the scaler starts from, loaded with `flags`.
PixelPicture ScalingPixels(HINSTANCE module, const PictureSource& source, UINT flags) {
    UniqueBitmap picture(
        static_cast<HBITMAP>(::LoadImageW(module, source.Name(), IMAGE_BITMAP, 0, 0, flags)));
    return picture ? ReadPixels(picture.get()) : PixelPicture();
}

}  // namespace

UniqueBitmap CreateTopDownDib(int width, int height, uint32_t** bits) {
    BITMAPINFO info = TopDown32(width, height);
    void* pixels = nullptr;
    UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits) *bits = dib ? static_cast<uint32_t*>(pixels) : nullptr;
    return dib;
}

UniqueBitmap LoadScaledBitmap(HINSTANCE module, const wchar_t* name, const DisplayScale& scale,
                              PictureKey key) {
    const PictureSource source = SourceFor(module, name, scale);
    if (source.use == PictureSource::Use::Resource) return LoadBitmapResource(module, name);
    SIZE base{};
    if (!ResourcePictureSize(module, name, &base)) return UniqueBitmap();
    if (source.use == PictureSource::Use::Twice) return LoadBitmapResource(module, source.Name());
    const PixelPicture pixels = ScalingPixels(module, source, LR_CREATEDIBSECTION);
    return DibOf(ScalePicture(pixels, scale.Px(base.cx), scale.Px(base.cy), KeyPixel(key)));
}

UniqueBitmap LoadScaledMask(HINSTANCE module, const wchar_t* name, const DisplayScale& scale) {
    const PictureSource source = SourceFor(module, name, scale);
    if (source.use != PictureSource::Use::Scaled)
        return UniqueBitmap(static_cast<HBITMAP>(
            ::LoadImageW(module, source.Name(), IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
    SIZE base{};
    if (!ResourcePictureSize(module, name, &base)) return UniqueBitmap();
    const PixelPicture pixels = ScalingPixels(module, source, LR_MONOCHROME);
    PixelMask mask{pixels.width, pixels.height, {}};
    mask.inside.reserve(pixels.pixels.size());
    for (uint32_t p : pixels.pixels) mask.inside.push_back(p == 0);  // black is inside
    return MonochromeOf(ScaleMask(mask, scale.Px(base.cx), scale.Px(base.cy)));
}

UniqueImageList LoadScaledGlyphStrip(HINSTANCE module, const wchar_t* name, int cellWidth,
                                     int cellHeight, const DisplayScale& scale) {
    const PictureSource source = SourceFor(module, name, scale);
    if (source.use == PictureSource::Use::Resource)
        return LoadGlyphStrip(module, name, cellWidth, cellHeight);
    const int width = scale.Px(cellWidth);
    const int height = scale.Px(cellHeight);
    if (source.use == PictureSource::Use::Twice) {
        UniqueBitmap strip = LoadBitmapResource(module, source.Name());
        return GlyphStripOf(strip.get(), width, height);
    }
    const PixelPicture pixels = ScalingPixels(module, source, LR_CREATEDIBSECTION);
    const int fromWidth = cellWidth * source.Factor();
    const int fromHeight = cellHeight * source.Factor();
    if (fromWidth <= 0 || fromHeight <= 0) return UniqueImageList();
    const int columns = pixels.width / fromWidth;
    const int rows = pixels.height / fromHeight;
    if (columns <= 0 || rows <= 0) return UniqueImageList();
    // Each cell on its own: a glyph's edge never takes a pixel of its neighbour.
    PixelPicture strip{columns * width, rows * height, {}};
    strip.pixels.assign(static_cast<size_t>(strip.width) * static_cast<size_t>(strip.height),
                        kWhite);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const Rect from{column * fromWidth, row * fromHeight, fromWidth, fromHeight};
            const PixelPicture cell = ScalePicture(pixels, from, width, height, kWhite);
            for (int y = 0; y < height; ++y)
                std::memcpy(&strip.pixels[static_cast<size_t>(row * height + y) * strip.width +
                                          static_cast<size_t>(column) * width],
                            &cell.pixels[static_cast<size_t>(y) * width],
                            static_cast<size_t>(width) * sizeof(uint32_t));
        }
    }
    UniqueBitmap bitmap = DibOf(strip);
    return GlyphStripOf(bitmap.get(), width, height);
}

UniqueRgn RegionOfPicture(HBITMAP picture, COLORREF key) {
    const PixelPicture pixels = ReadPixels(picture);
    if (pixels.width <= 0) return UniqueRgn();
    const uint32_t keyPixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    std::vector<uint8_t> mask(pixels.pixels.size());
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = pixels.pixels[i] != keyPixel;
    const std::vector<uint8_t> block = BuildRegionBlock(mask, pixels.width, pixels.height);
    return UniqueRgn(::ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                                       reinterpret_cast<const RGNDATA*>(block.data())));
}

UniqueRgn OutlineAtScale(HINSTANCE module, int regionId, const DisplayScale& scale,
                         const std::function<UniqueRgn()>& cutFromPicture) {
    return scale.IsOne() ? LoadRegionResource(module, regionId) : cutFromPicture();
}

}  // namespace velmira
