#pragma once
// Reading a RIFF/WAVE image from untrusted bytes: which PCM format it holds
// and where its samples are. Portable: no Windows headers.

#include <cstddef>
#include <cstdint>
#include <vector>

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

// True for a PCM WAVE whose every chunk lies inside the buffer, with one fmt
// chunk (at least 16 bytes) and one data chunk in either order; unknown
// chunks are skipped, odd-sized chunks are followed by a pad byte (which the
// last chunk may lack). False for anything else; info is then unspecified.
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

// The largest sound file read from the SOUND_DATA folder.
constexpr size_t kMaxSoundFileBytes = size_t{64} << 20;

// A sound file from the SOUND_DATA folder, made safe for the platform, which
// trusts a WAVE's fields and crashes on broken ones. Accepted when its fmt and
// data chunks lie inside the file and the format is consistent: 1 to 8
// channels, 1 to 384,000 samples a second, a block size, and for PCM 8, 16, 24
// or 32 bits with the block size they imply. The answer is a fresh image of
// only the checked chunks (a RIFF size left wrong by the writer is mended);
// empty when the file is refused.
std::vector<uint8_t> PlayableWaveCopy(const uint8_t* data, size_t size);

}  // namespace velmira
