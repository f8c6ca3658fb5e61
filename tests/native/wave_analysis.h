#pragma once
// What the tests measure of a WAVE image: its strict PCM format, its peak and
// its length, for the committed cues. The program plays the cues as they are
// and checks the user's files with voice/wave_image's PlayableWaveCopy.

#include <cstddef>
#include <cstdint>

#include "voice/wave_image.h"

namespace velmira {

struct WaveInfo {
    uint16_t formatTag = 0;  // 1: PCM, the only one accepted
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    size_t dataOffset = 0;  // from the start of the image
    size_t dataSize = 0;
};

// True for a PCM WAVE whose RIFF size fits the buffer and whose chunks
// FindWaveChunks finds inside it, with a fmt chunk of at least 16 bytes and
// consistent sizes. False for anything else; info is then unspecified.
bool ParseWaveImage(const uint8_t* data, size_t size, WaveInfo& info);

// The loudest sample's distance from silence, in the sample's own units:
// 0..128 around 0x80 for 8-bit, 0..32768 for 16-bit. False for other depths
// or an info whose data does not lie inside the buffer.
bool PeakSample(const uint8_t* data, size_t size, const WaveInfo& info, uint32_t& peak);

// The same peak in dB of full scale (128 or 32768): 0 at full scale, -infinity
// for silence, NaN when PeakSample fails.
double PeakDbfs(const uint8_t* data, size_t size, const WaveInfo& info);

// Whole frames of the data chunk, in milliseconds rounded down; 0 for an info
// without a rate or block size.
uint32_t DurationMs(const WaveInfo& info);

}  // namespace velmira
