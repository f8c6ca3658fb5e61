#pragma once
// TSoundPlayer: plays her sounds by name, from the WAVE resources of the
// program or, when none has the name, from exeDir\SOUND_DATA\<name> (read
// into memory and checked first), unless muted. One
// sound at a time: a request while another plays is refused, never queued.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmira {

// sndPlaySoundW behind a seam, so tests see exactly what the platform is given.
class SoundCalls {
public:
    virtual ~SoundCalls() = default;
    // `sound` is a path, or a WAVE image when `flags` has SND_MEMORY.
    virtual bool Play(const wchar_t* sound, UINT flags) = 0;
    // Whether there is a device to play on; the platform answers a request
    // without one as if it had played.
    virtual bool HasOutputDevice() { return true; }

    // sndPlaySoundW and waveOutGetNumDevs.
    static SoundCalls& System();
};

class TSoundPlayer {
public:
    // SND_ASYNC | SND_NODEFAULT | SND_NOSTOP | SND_MEMORY: resources and
    // files alike are played from memory.
    static constexpr UINT kMemoryFlags = 0x17;
    static constexpr UINT kStopFlags = 0x03;  // SND_ASYNC | SND_NODEFAULT
    // Sound names are stored in code page 932; from this many bytes on they are refused.
    static constexpr size_t kNameByteLimit = 260;

    // `module` holds the WAVE resources; `exeDir` ends in a backslash.
    TSoundPlayer(HINSTANCE module, std::wstring exeDir, SoundCalls& calls = SoundCalls::System());
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    // True when the platform took the sound. False for an empty or too long
    // name, a broken resource, no file of that exact name, a file that is no
    // sound the platform can safely play (see PlayableWaveCopy), or a sound
    // that is already playing.
    bool PlaySoundByName(const std::wstring& name);
    // The platform's answer; harmless when nothing plays.
    bool StopSound();
    // While muted nothing reaches the platform and every play answers false.
    void SetMuted(bool muted) { muted_ = muted; }
    bool Muted() const { return muted_; }

private:
    HINSTANCE module_;
    std::wstring exeDir_;
    SoundCalls& calls_;
    bool muted_ = false;
    // The checked copy of the last file played, read by the platform as it plays.
    std::vector<uint8_t> fileImage_;
};

}  // namespace velmira
