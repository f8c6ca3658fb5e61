#include "voice/wave_image.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "base/little_endian.h"

namespace velmira {
namespace {

bool IsTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr uint16_t kPcm = 1;

struct ChunkSpan {
    size_t body = 0;  // from the start of the image
    size_t size = 0;
};

struct WaveChunks {
    ChunkSpan format;
    ChunkSpan samples;
};

// The one fmt and one data chunk, in either order, among the chunks that run
// from byte 12 to `end`. False when a chunk runs past `end`, or either is
// missing or comes twice. Unknown chunks are skipped; an odd-sized chunk is
// followed by a pad byte, which the last chunk may lack.
bool FindChunks(const uint8_t* data, size_t end, WaveChunks& chunks) {
    bool haveFormat = false;
    bool haveData = false;
    size_t at = 12;
    while (end - at >= 8) {
        const uint8_t* head = data + at;
        const uint32_t chunkSize = ReadLe32(head + 4);
        const size_t room = end - at - 8;
        if (chunkSize > room) return false;
        const size_t body = at + 8;
        const bool isFormat = IsTag(head, "fmt ");
        const bool isData = IsTag(head, "data");
        if ((isFormat && haveFormat) || (isData && haveData)) return false;
        if (isFormat) chunks.format = ChunkSpan{body, chunkSize};
        if (isData) chunks.samples = ChunkSpan{body, chunkSize};
        haveFormat = haveFormat || isFormat;
        haveData = haveData || isData;
        const size_t padded = size_t{chunkSize} + (chunkSize & 1u);
        at = padded >= room ? end : body + padded;
    }
    // Stray bytes shorter than a chunk header after the last chunk are ignored.
    return haveFormat && haveData;
}

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
    if (!FindChunks(data, size_t{riffSize} + 8, chunks)) return false;
    if (chunks.format.size < 16 || !ReadFormat(data + chunks.format.body, info)) return false;
    info.dataOffset = chunks.samples.body;
    info.dataSize = chunks.samples.size;
    return true;
}

std::vector<uint8_t> PlayableWaveCopy(const uint8_t* data, size_t size) {
    if (data == nullptr || size < 12 || size > kMaxSoundFileBytes) return {};
    if (!IsTag(data, "RIFF") || !IsTag(data + 8, "WAVE")) return {};
    // Many writers never fill in the RIFF size: the file's own end bounds the chunks then.
    const uint32_t riffSize = ReadLe32(data + 4);
    const size_t end = riffSize >= 4 && riffSize <= size - 8 ? size_t{riffSize} + 8 : size;
    WaveChunks chunks;
    if (!FindChunks(data, end, chunks) || chunks.format.size < 16) return {};

    const uint8_t* fmt = data + chunks.format.body;
    const uint16_t formatTag = ReadLe16(fmt);
    const uint16_t channels = ReadLe16(fmt + 2);
    const uint32_t sampleRate = ReadLe32(fmt + 4);
    const uint16_t blockAlign = ReadLe16(fmt + 12);
    const uint16_t bits = ReadLe16(fmt + 14);
    if (channels < 1 || channels > 8 || sampleRate < 1 || sampleRate > 384000 || blockAlign == 0)
        return {};
    size_t formatSize = 16;
    if (formatTag == kPcm) {
        if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return {};
        if (blockAlign != channels * (bits / 8)) return {};
    } else {
        // Other formats carry their extra bytes after cbSize, which must lie inside the chunk.
        if (chunks.format.size < 18 || ReadLe32(fmt + 8) == 0) return {};
        formatSize = 18 + size_t{ReadLe16(fmt + 16)};
        if (formatSize > chunks.format.size) return {};
    }

    const size_t dataSize = chunks.samples.size;
    const size_t dataPadded = dataSize + (dataSize & 1u);
    const size_t formatPadded = formatSize + (formatSize & 1u);
    std::vector<uint8_t> copy;
    copy.reserve(12 + 8 + formatPadded + 8 + dataPadded);
    auto put = [&copy](const void* bytes, size_t n) {
        const uint8_t* p = static_cast<const uint8_t*>(bytes);
        copy.insert(copy.end(), p, p + n);
    };
    auto put32 = [&copy](uint64_t v) {
        for (int i = 0; i < 4; ++i) copy.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put("RIFF", 4);
    put32(4 + 8 + formatPadded + 8 + dataPadded);
    put("WAVEfmt ", 8);
    put32(formatSize);
    put(fmt, formatSize);
    if (formatTag == kPcm) {
        // The platform sizes its buffers by the byte rate; PCM's follows from the rest.
        const uint64_t byteRate = uint64_t{sampleRate} * blockAlign;
        for (int i = 0; i < 4; ++i) copy[28 + i] = static_cast<uint8_t>(byteRate >> (8 * i));
    }
    if (formatSize & 1u) copy.push_back(0);
    put("data", 4);
    put32(dataSize);
    put(data + chunks.samples.body, dataSize);
    if (dataSize & 1u) copy.push_back(0);
    return copy;
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
