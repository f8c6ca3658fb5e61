#include "voice/wave_image.h"

#include <cstring>

#include "base/little_endian.h"

namespace velmira {
namespace {

bool IsTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr uint16_t kPcm = 1;

}  // namespace

bool FindWaveChunks(const uint8_t* data, size_t end, WaveChunks& chunks) {
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
        if (isFormat) chunks.format = WaveChunk{body, chunkSize};
        if (isData) chunks.samples = WaveChunk{body, chunkSize};
        haveFormat = haveFormat || isFormat;
        haveData = haveData || isData;
        const size_t padded = size_t{chunkSize} + (chunkSize & 1u);
        at = padded >= room ? end : body + padded;
    }
    // Stray bytes shorter than a chunk header after the last chunk are ignored.
    return haveFormat && haveData;
}

std::vector<uint8_t> PlayableWaveCopy(const uint8_t* data, size_t size) {
    if (data == nullptr || size < 12 || size > kMaxSoundFileBytes) return {};
    if (!IsTag(data, "RIFF") || !IsTag(data + 8, "WAVE")) return {};
    // Many writers never fill in the RIFF size: the file's own end bounds the chunks then.
    const uint32_t riffSize = ReadLe32(data + 4);
    const size_t end = riffSize >= 4 && riffSize <= size - 8 ? size_t{riffSize} + 8 : size;
    WaveChunks chunks;
    if (!FindWaveChunks(data, end, chunks) || chunks.format.size < 16) return {};

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

}  // namespace velmira
