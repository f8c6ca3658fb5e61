#include "voice/win/sound_player.h"

#include <mmsystem.h>

#include <cstring>
#include <utility>

#include "base/little_endian.h"
#include "base/win/handles.h"
#include "base/win/resources.h"
#include "voice/wave_image.h"

namespace velmira {
namespace {

// The name's length in code page 932, the way the settings store it; a name
// that code page cannot hold exactly is refused, as the settings could not
// have held it either.
bool NameFitsStoredForm(const std::wstring& name) {
    const int wide = static_cast<int>(name.size());
    const int bytes = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, name.data(), wide, nullptr,
                                            0, nullptr, nullptr);
    if (bytes <= 0 || static_cast<size_t>(bytes) >= TSoundPlayer::kNameByteLimit) return false;
    // The lossy check on the real conversion: not every system reports it for a size query.
    std::string stored(static_cast<size_t>(bytes), '\0');
    BOOL lossy = FALSE;
    ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, name.data(), wide, stored.data(), bytes,
                          nullptr, &lossy);
    return !lossy;
}

// Enough of the RIFF header to keep a broken resource from the platform,
// which trusts the chunk size of a memory image and would read past its end.
bool LooksLikeWaveImage(const unsigned char* data, size_t size) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        return false;
    }
    const uint64_t riffSize = ReadLe32(data + 4);
    return riffSize >= 4 && riffSize + 8 <= size;
}

// The whole file, when it is a regular file of at most kMaxSoundFileBytes;
// empty otherwise. A device name such as CON or COM1 opens no disk file.
std::vector<uint8_t> ReadSoundFile(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file || ::GetFileType(file.get()) != FILE_TYPE_DISK) return {};
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || info.nFileSizeHigh != 0 ||
        info.nFileSizeLow > kMaxSoundFileBytes)
        return {};
    std::vector<uint8_t> bytes(info.nFileSizeLow);
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), info.nFileSizeLow, &read, nullptr) ||
         read != info.nFileSizeLow))
        return {};
    return bytes;
}

}  // namespace

SoundCalls& SoundCalls::System() {
    struct Win32 : SoundCalls {
        bool Play(const wchar_t* sound, UINT flags) override {
            return ::sndPlaySoundW(sound, flags) != FALSE;
        }
        bool HasOutputDevice() override { return ::waveOutGetNumDevs() > 0; }
    };
    static Win32 calls;
    return calls;
}

TSoundPlayer::TSoundPlayer(HINSTANCE module, std::wstring exeDir, SoundCalls& calls)
    : module_(module), exeDir_(std::move(exeDir)), calls_(calls) {}

TSoundPlayer::~TSoundPlayer() {
    // The platform may still be reading the last file's copy.
    if (!fileImage_.empty()) StopSound();
}

bool TSoundPlayer::PlaySoundByName(const std::wstring& name) {
    // An inner NUL would make the lookups below see only the name's beginning.
    if (muted_ || name.empty() || name.find(L'\0') != std::wstring::npos) return false;
    if (!NameFitsStoredForm(name)) return false;
    // Without a device nothing can play, whatever the platform would answer.
    if (!calls_.HasOutputDevice()) return false;

    // A resource of the name wins over any file; FindResourceW ignores case.
    if (::FindResourceW(module_, name.c_str(), L"WAVE")) {
        const ResourceBytes image = FindResourceBytes(module_, name.c_str(), L"WAVE");
        if (!image.data || !LooksLikeWaveImage(image.data, image.size)) return false;
        // The resource stays mapped for the module's life, so the platform may
        // read it after this returns: no copy is needed.
        return calls_.Play(reinterpret_cast<const wchar_t*>(image.data), kMemoryFlags);
    }

    // The file's exact name, in the sound folder itself: no extension is
    // guessed, and a name with a path in it names no file there.
    if (name.find_first_of(L"\\/:") != std::wstring::npos) return false;
    // The platform trusts a file's fields and crashes on broken ones: it is
    // given only a checked copy, from memory.
    const std::vector<uint8_t> bytes = ReadSoundFile(exeDir_ + L"SOUND_DATA\\" + name);
    std::vector<uint8_t> image = PlayableWaveCopy(bytes.data(), bytes.size());
    if (image.empty()) return false;
    if (!calls_.Play(reinterpret_cast<const wchar_t*>(image.data()), kMemoryFlags)) return false;
    // Taken: no other sound was playing (SND_NOSTOP), so the last file's copy
    // is free, and this one must live while the platform reads it.
    fileImage_ = std::move(image);
    return true;
}

// Without SND_NOSTOP: with it, Wine refuses the stop itself while a sound plays.
bool TSoundPlayer::StopSound() { return calls_.Play(nullptr, kStopFlags); }

}  // namespace velmira
