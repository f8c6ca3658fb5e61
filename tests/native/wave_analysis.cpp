#include "wave_analysis.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "base/little_endian.h"

namespace velmira {
namespace {

bool IsTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr uint16_t kPcm = 1;

bool ReadFormat(const uint8_t* body, WaveInfo& info) {
    info.formatTag = ReadLe16(body);
    info.channels = ReadLe16(body + 2);
    info.sampleRate = ReadLe32(body + 4);
    info.byteRate = ReadLe32(body + 8);
    info.blockAlign = ReadLe16(body + 12);
    info.bitsPerSample = ReadLe16(body + 14);
    if (info.formatTag != kPcm || info.channels == 0 || info.sampleRate == 0) return false;
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
    const uint32_t riffSize = ReadLe32(data + 4);
    if (riffSize < 4 || riffSize > size - 8) return false;
    WaveChunks chunks;
    if (!FindWaveChunks(data, size_t{riffSize} + 8, chunks)) return false;
    if (chunks.format.size < 16 || !ReadFormat(data + chunks.format.body, info)) return false;
    info.dataOffset = chunks.samples.body;
    info.dataSize = chunks.samples.size;
    return true;
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
            const int v = static_cast<int16_t>(ReadLe16(samples + i));
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
