#include "bmp_image.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "base/little_endian.h"

namespace velmira {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

size_t RowStride(int width, int bits) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
}

void PutHeaders(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t paletteSize) {
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteSize * 4;
    const auto imageSize =
        static_cast<uint32_t>(RowStride(width, bits) * static_cast<size_t>(height));
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
}

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& bytes, RgbImage& out) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint32_t dataOffset = ReadLe32(&bytes[10]);
    const uint32_t infoSize = ReadLe32(&bytes[14]);
    if (infoSize < kInfoHeaderSize) return false;
    const auto width = static_cast<int32_t>(ReadLe32(&bytes[18]));
    const auto rawHeight = static_cast<int32_t>(ReadLe32(&bytes[22]));
    const uint32_t bits = ReadLe16(&bytes[28]);
    const uint32_t compression = ReadLe32(&bytes[30]);
    uint32_t colours = ReadLe32(&bytes[46]);
    if (width <= 0 || rawHeight == 0 || width > 65536 || rawHeight > 65536 || rawHeight < -65536)
        return false;
    // BI_RGB, or BI_BITFIELDS with the usual 32-bit layout that ImageMagick writes
    if (compression != 0 && !(compression == 3 && bits == 32)) return false;
    if (bits != 1 && bits != 8 && bits != 24 && bits != 32) return false;
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;

    // Sizes from the header are computed in 64 bits: in 32 bits a huge header
    // wraps to a small size that passes the checks below.
    const uint64_t available = bytes.size();
    std::vector<RgbPixel> palette;
    if (bits <= 8) {
        if (colours == 0) colours = 1u << bits;
        if (colours > (1u << bits)) return false;
        const uint64_t paletteAt = uint64_t{kFileHeaderSize} + infoSize;
        if (paletteAt + uint64_t{colours} * 4 > available) return false;
        for (uint32_t i = 0; i < colours; ++i) {
            const auto at = static_cast<size_t>(paletteAt + uint64_t{i} * 4);
            palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    const uint64_t stride64 = (uint64_t{static_cast<uint32_t>(width)} * bits + 31) / 32 * 4;
    if (dataOffset > available || stride64 * static_cast<uint64_t>(height) > available - dataOffset)
        return false;
    // The rows fit in memory, but the decoded pixels take more: refuse what
    // this process cannot address.
    const uint64_t pixelCount =
        uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height);
    if (pixelCount > SIZE_MAX / sizeof(RgbPixel)) return false;
    const auto stride = static_cast<size_t>(stride64);

    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int fileRow = bottomUp ? height - 1 - y : y;
        const uint8_t* row = bytes.data() + dataOffset + stride * static_cast<size_t>(fileRow);
        for (int x = 0; x < width; ++x) {
            RgbPixel p;
            if (bits == 24 || bits == 32) {
                const uint8_t* px = row + static_cast<size_t>(x) * (bits / 8);
                p = {px[2], px[1], px[0]};
            } else {
                uint32_t index = 0;
                if (bits == 8) {
                    index = row[x];
                } else {
                    index = (row[x / 8] >> (7 - (x % 8))) & 1u;
                }
                if (index >= palette.size()) return false;
                p = palette[index];
            }
            image.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                         static_cast<size_t>(x)] = p;
        }
    }
    out = std::move(image);
    return true;
}

std::vector<uint8_t> EncodeBmp24(const RgbImage& image) {
    std::vector<uint8_t> out;
    PutHeaders(out, image.width, image.height, 24, 0);
    const size_t stride = RowStride(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t written = 0;
        for (int x = 0; x < image.width; ++x) {
            const RgbPixel& p = image.At(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            written += 3;
        }
        for (; written < stride; ++written) out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp1(const std::vector<uint8_t>& ink, int width, int height) {
    std::vector<uint8_t> out;
    PutHeaders(out, width, height, 1, 2);
    Put32(out, 0x00000000);  // index 0: black
    Put32(out, 0x00FFFFFF);  // index 1: white
    const size_t stride = RowStride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const bool black =
                ink[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] !=
                0;
            if (!black) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    if (std::ferror(file.get())) return false;
    out = std::move(bytes);
    return true;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    return std::fflush(file.get()) == 0;
}

}  // namespace velmira
