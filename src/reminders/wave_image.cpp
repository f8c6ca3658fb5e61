#include "reminders/wave_image.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace velmira {
namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

bool ReadFormat(const uint8_t* body, WaveInfo& info) {
    info.formatTag = Le16(body);
    info.channels = Le16(body + 2);
    info.sampleRate = Le32(body + 4);
    info.byteRate = Le32(body + 8);
    info.blockAlign = Le16(body + 12);
    info.bitsPerSample = Le16(body + 14);
    if (info.formatTag != 1 || info.channels == 0 || info.sampleRate == 0) return false;
    if (info.bitsPerSample == 0 || info.bitsPerSample % 8 != 0) return false;
    // 64-bit products: a hostile header must not wrap its way to "consistent".
    const uint64_t frame = uint64_t{info.channels} * (info.bitsPerSample / 8);
    if (info.blockAlign != frame) return false;
    return info.byteRate == uint64_t{info.sampleRate} * info.blockAlign;
}

}  // namespace

bool ParseWaveImage(const uint8_t* data, size_t size, WaveInfo& info) {
    info = WaveInfo{};
    if (data == nullptr || size < 12) return false;
    if (!IsTag(data, "RIFF") || !IsTag(data + 8, "WAVE")) return false;
    const uint32_t riffSize = Le32(data + 4);
    if (riffSize < 4 || riffSize > size - 8) return false;
    const size_t end = size_t{riffSize} + 8;

    bool haveFormat = false;
    bool haveData = false;
    size_t at = 12;
    while (end - at >= 8) {
        const uint8_t* head = data + at;
        const uint32_t chunkSize = Le32(head + 4);
        const size_t room = end - at - 8;
        if (chunkSize > room) return false;
        const size_t body = at + 8;
        if (IsTag(head, "fmt ")) {
            if (haveFormat || chunkSize < 16 || !ReadFormat(data + body, info)) return false;
            haveFormat = true;
        } else if (IsTag(head, "data")) {
            if (haveData) return false;
            info.dataOffset = body;
            info.dataSize = chunkSize;
            haveData = true;
        }
        // The pad byte after an odd chunk may be missing at the very end.
        const size_t padded = size_t{chunkSize} + (chunkSize & 1u);
        at = padded >= room ? end : body + padded;
    }
    // Stray bytes shorter than a chunk header after the last chunk are ignored.
    return haveFormat && haveData;
}

bool PeakSample(const uint8_t* data, size_t size, const WaveInfo& info, uint32_t& peak) {
    peak = 0;
    if (data == nullptr || info.dataOffset > size || info.dataSize > size - info.dataOffset)
        return false;
    const uint8_t* samples = data + info.dataOffset;
    if (info.bitsPerSample == 8) {
        for (size_t i = 0; i < info.dataSize; ++i) {
            const int v = static_cast<int>(samples[i]) - 0x80;
            const uint32_t magnitude = static_cast<uint32_t>(v < 0 ? -v : v);
            if (magnitude > peak) peak = magnitude;
        }
        return true;
    }
    if (info.bitsPerSample == 16) {
        for (size_t i = 0; i + 1 < info.dataSize; i += 2) {
            const int v = static_cast<int16_t>(Le16(samples + i));
            const uint32_t magnitude = static_cast<uint32_t>(v < 0 ? -v : v);
            if (magnitude > peak) peak = magnitude;
        }
        return true;
    }
    return false;
}

double PeakDbfs(const uint8_t* data, size_t size, const WaveInfo& info) {
    uint32_t peak = 0;
    if (!PeakSample(data, size, info, peak)) return std::numeric_limits<double>::quiet_NaN();
    if (peak == 0) return -std::numeric_limits<double>::infinity();
    const double fullScale = info.bitsPerSample == 8 ? 128.0 : 32768.0;
    return 20.0 * std::log10(peak / fullScale);
}

uint32_t DurationMs(const WaveInfo& info) {
    if (info.sampleRate == 0 || info.blockAlign == 0) return 0;
    const uint64_t frames = uint64_t{info.dataSize} / info.blockAlign;
    const uint64_t ms = frames * 1000u / info.sampleRate;
    return ms > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(ms);
}

}  // namespace velmira
