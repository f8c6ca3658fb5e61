#pragma once
// Reading a RIFF/WAVE image from untrusted bytes: where its chunks are, and
// the checked copy of a sound file the platform may be given. Portable.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmira {

// Where a chunk's body lies in the image, from its start.
struct WaveChunk {
    size_t body = 0;
    size_t size = 0;
};

struct WaveChunks {
    WaveChunk format;
    WaveChunk samples;
};

// The one fmt and one data chunk, in either order, among the chunks that run
// from byte 12 to `end`. False when a chunk runs past `end`, or either is
// missing or comes twice. Unknown chunks are skipped; an odd-sized chunk is
// followed by a pad byte, which the last chunk may lack.
bool FindWaveChunks(const uint8_t* data, size_t end, WaveChunks& chunks);

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
