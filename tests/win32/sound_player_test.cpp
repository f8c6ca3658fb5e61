// Which sound reaches the platform, and how: resources from their own memory
// before any file, files only by their exact name under SOUND_DATA, names
// measured as the settings store them. The last tests use the real
// sndPlaySoundW, with no audio device in the prefix.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <utility>
#include <vector>

#include "base/win/program_folder.h"
#include "base/win/resources.h"
#include "voice/win/sound_player.h"

namespace velmira {
namespace {

struct PlayCall {
    const void* sound;
    std::string image;  // the WAVE image's bytes, as its RIFF size tells them
    UINT flags;
};

std::string ImageAt(const void* sound) {
    if (!sound) return std::string();
    const auto* bytes = static_cast<const unsigned char*>(sound);
    const size_t size = 8 + (bytes[4] | bytes[5] << 8 | bytes[6] << 16 | size_t{bytes[7]} << 24);
    return std::string(static_cast<const char*>(sound), size);
}

struct RecordingSoundCalls : SoundCalls {
    bool Play(const wchar_t* sound, UINT flags) override {
        calls.push_back({sound, ImageAt(sound), flags});
        return answer;
    }
    std::vector<PlayCall> calls;
    bool answer = true;
};

// A valid 8-bit 11025 Hz mono image of `samples` samples of silence.
std::string WaveBytes(unsigned samples) {
    auto le32 = [](unsigned v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    std::string fmt("\x01\x00\x01\x00", 4);  // PCM, mono
    fmt += le32(11025) + le32(11025) + std::string("\x01\x00\x08\x00", 4);
    return "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + fmt + "data" + le32(samples) +
           std::string(samples, '\x80');
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
}

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(dir + name + L"\\");
            } else {
                DeleteFileW((dir + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(dir.c_str());
}

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp, n);
}

// A program folder of its own under %TEMP%, with an empty SOUND_DATA.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::wstring& leaf)
        : dir_(TempFolder() + leaf + std::to_wstring(GetCurrentProcessId()) + L"\\") {
        RemoveTree(dir_);
        CreateDirectoryW(dir_.c_str(), nullptr);
        CreateDirectoryW((dir_ + L"SOUND_DATA").c_str(), nullptr);
    }
    ~ProgramFolder() { RemoveTree(dir_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& Dir() const { return dir_; }
    std::wstring Sound(const std::wstring& name) const { return dir_ + L"SOUND_DATA\\" + name; }

private:
    std::wstring dir_;
};

// A copy of this executable whose only resources are the given WAVE entries,
// loaded as data: names and contents the program's own resources lack.
class WaveModule {
public:
    explicit WaveModule(const std::vector<std::pair<std::wstring, std::string>>& waves)
        : path_(TempFolder() + L"velmira_waves" + std::to_wstring(GetCurrentProcessId()) +
                L".exe") {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        if (!CopyFileW(self, path_.c_str(), FALSE)) return;
        HANDLE update = BeginUpdateResourceW(path_.c_str(), TRUE);
        if (!update) return;
        for (const auto& [name, bytes] : waves) {
            UpdateResourceW(update, L"WAVE", name.c_str(),
                            MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                            const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        }
        if (!EndUpdateResourceW(update, FALSE)) return;
        module_ = LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~WaveModule() {
        if (module_) FreeLibrary(module_);
        DeleteFileW(path_.c_str());
    }
    WaveModule(const WaveModule&) = delete;
    WaveModule& operator=(const WaveModule&) = delete;

    HINSTANCE Get() const { return module_; }
    const unsigned char* Bytes(const std::wstring& name) const {
        return FindResourceBytes(module_, name.c_str(), L"WAVE").data;
    }

private:
    std::wstring path_;
    HMODULE module_ = nullptr;
};

const unsigned char* OwnResource(const wchar_t* name) {
    return FindResourceBytes(GetModuleHandleW(nullptr), name, L"WAVE").data;
}

TEST(SoundPlayer, AnEmptyNameOrAnInnerNulPlaysNothing) {
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), L"C:\\nowhere\\", calls);
    EXPECT_FALSE(player.PlaySoundByName(L""));
    // Cut at the NUL this would be a resource that plays.
    EXPECT_FALSE(player.PlaySoundByName(std::wstring(L"Snd_Jikan1\0x", 12)));
    EXPECT_TRUE(calls.calls.empty());
}

TEST(SoundPlayer, ResourcesAreFoundWithoutRegardToCaseAndPlayFromTheirOwnMemory) {
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), L"C:\\nowhere\\", calls);
    const std::vector<std::pair<std::wstring, const wchar_t*>> asked = {
        {L"snd_jikan1", L"Snd_Jikan1"},     {L"SND_JIKAN2", L"Snd_Jikan2"},
        {L"Snd_Jikan3", L"Snd_Jikan3"},     {L"sNd_jIkAn4", L"Snd_Jikan4"},
        {L"snd_kinenbi1", L"Snd_Kinenbi1"}, {L"Snd_Kinenbi2", L"Snd_Kinenbi2"},
        {L"snd_KINENBI3", L"Snd_Kinenbi3"}, {L"snd_matsu1", L"Snd_Matsu1"},
        {L"Snd_Matsu2", L"Snd_Matsu2"},     {L"snd_silence", L"Snd_Silence"},
    };
    for (const auto& [name, resource] : asked) {
        SCOPED_TRACE(name);
        calls.calls.clear();
        const unsigned char* image = OwnResource(resource);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(player.PlaySoundByName(name));
        ASSERT_EQ(calls.calls.size(), 1u);
        EXPECT_EQ(calls.calls[0].sound, image) << "the resource itself, not a copy";
        EXPECT_EQ(calls.calls[0].flags, 0x17u);
    }
}

TEST(SoundPlayer, TheAnswerAndTheStopComeFromThePlatform) {
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), L"C:\\nowhere\\", calls);
    calls.answer = false;  // another sound is still playing
    EXPECT_FALSE(player.PlaySoundByName(L"Snd_Matsu1"));
    EXPECT_FALSE(player.StopSound());
    calls.answer = true;
    EXPECT_TRUE(player.StopSound());
    ASSERT_EQ(calls.calls.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(calls.calls[i].sound, nullptr);
        EXPECT_EQ(calls.calls[i].flags, 0x03u) << "a stop that cannot be refused";
    }
}

TEST(SoundPlayer, AResourceWinsOverAFileOfTheSameName) {
    ProgramFolder folder(L"velmira_snd");
    WriteFile(folder.Sound(L"Snd_Jikan1"), WaveBytes(200));
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), folder.Dir(), calls);
    EXPECT_TRUE(player.PlaySoundByName(L"Snd_Jikan1"));
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].sound, OwnResource(L"Snd_Jikan1"));
    EXPECT_EQ(calls.calls[0].flags, 0x17u);
}

TEST(SoundPlayer, AFileIsFoundOnlyByItsFullNameAndOnlyWhenItIsAWave) {
    ProgramFolder folder(L"velmira_snd");
    WriteFile(folder.Sound(L"chime.wav"), WaveBytes(200));
    WriteFile(folder.Sound(L"note.wav"), "this is a text file, not a sound\r\n");
    CreateDirectoryW(folder.Sound(L"folder.wav").c_str(), nullptr);
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), folder.Dir(), calls);

    EXPECT_TRUE(player.PlaySoundByName(L"chime.wav"));
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].image, WaveBytes(200)) << "the file's checked copy, from memory";
    EXPECT_EQ(calls.calls[0].flags, 0x17u);

    calls.calls.clear();
    EXPECT_FALSE(player.PlaySoundByName(L"chime")) << "no extension is guessed";
    EXPECT_FALSE(player.PlaySoundByName(L"missing.wav"));
    EXPECT_FALSE(player.PlaySoundByName(L"folder.wav"));
    EXPECT_FALSE(player.PlaySoundByName(L"note.wav"));
    EXPECT_FALSE(player.PlaySoundByName(L"CON")) << "a device is no sound file";
    // Only files in the sound folder itself: chime.wav is there, but not by a path.
    EXPECT_FALSE(player.PlaySoundByName(L"..\\SOUND_DATA\\chime.wav"));
    EXPECT_FALSE(player.PlaySoundByName(L"./chime.wav"));
    EXPECT_FALSE(player.PlaySoundByName(folder.Dir() + L"SOUND_DATA\\chime.wav"));
    EXPECT_TRUE(calls.calls.empty());
}

TEST(SoundPlayer, AProgramFolderWithAJapaneseNameIsHandedOverExactly) {
    ProgramFolder folder(L"ベルミラ音");
    WriteFile(folder.Sound(L"時報チャイム.wav"), WaveBytes(200));
    RecordingSoundCalls calls;
    TSoundPlayer player(GetModuleHandleW(nullptr), folder.Dir(), calls);
    EXPECT_TRUE(player.PlaySoundByName(L"時報チャイム.wav"));
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].image, WaveBytes(200));
}

// Byte counts in code page 932: kanji take two bytes, ASCII one.
TEST(SoundPlayerModule, NamesAreMeasuredAsTheSettingsStoreThem) {
    const std::wstring ascii259(259, L'a'), ascii260(260, L'b');
    const std::wstring kanji259 = std::wstring(129, L'鐘') + L"c";  // 130 characters
    const std::wstring kanji260(130, L'鈴');                        // 130 characters too
    const std::wstring notStorable = L"caf\u00e9";                  // no é in code page 932
    const std::string wave = WaveBytes(100);
    WaveModule module({{ascii259, wave},
                       {ascii260, wave},
                       {kanji259, wave},
                       {kanji260, wave},
                       {notStorable, wave}});
    ASSERT_NE(module.Get(), nullptr);
    for (const auto& name : {ascii259, ascii260, kanji259, kanji260, notStorable}) {
        ASSERT_NE(module.Bytes(name), nullptr) << "every name is a resource of the module";
    }
    RecordingSoundCalls calls;
    TSoundPlayer player(module.Get(), L"C:\\nowhere\\", calls);

    EXPECT_TRUE(player.PlaySoundByName(ascii259));
    EXPECT_TRUE(player.PlaySoundByName(kanji259));
    ASSERT_EQ(calls.calls.size(), 2u);
    EXPECT_EQ(calls.calls[0].sound, module.Bytes(ascii259));
    EXPECT_EQ(calls.calls[1].sound, module.Bytes(kanji259));

    calls.calls.clear();
    EXPECT_FALSE(player.PlaySoundByName(ascii260));
    EXPECT_FALSE(player.PlaySoundByName(kanji260));
    EXPECT_FALSE(player.PlaySoundByName(notStorable));
    EXPECT_TRUE(calls.calls.empty());
}

TEST(SoundPlayerModule, ABrokenResourceIsRefusedAndNoFileIsTriedInstead) {
    const std::string good = WaveBytes(100);
    std::string longClaim = good.substr(0, 60);  // its RIFF size reaches past its end
    std::string wrongForm = good;
    wrongForm.replace(8, 4, "AVI ");
    WaveModule module({{L"Snd_Good", good},
                       {L"Snd_Cut", longClaim},
                       {L"Snd_Form", wrongForm},
                       {L"Snd_Tiny", std::string("RIFF\x04\0\0\0", 8)},
                       {L"Snd_Text", "hello, a text"}});
    ASSERT_NE(module.Get(), nullptr);
    ProgramFolder folder(L"velmira_snd");
    for (const wchar_t* name : {L"Snd_Cut", L"Snd_Form", L"Snd_Tiny", L"Snd_Text"}) {
        WriteFile(folder.Sound(name), good);
    }
    RecordingSoundCalls calls;
    TSoundPlayer player(module.Get(), folder.Dir(), calls);

    EXPECT_TRUE(player.PlaySoundByName(L"snd_good"));
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].sound, module.Bytes(L"Snd_Good"));
    for (const wchar_t* name : {L"Snd_Cut", L"Snd_Form", L"Snd_Tiny", L"Snd_Text"}) {
        EXPECT_FALSE(player.PlaySoundByName(name)) << name;
    }
    EXPECT_EQ(calls.calls.size(), 1u)
        << "neither the broken image nor the file reached the platform";
}

// A stop ends whatever plays, so the next request is free to play.
bool WaitUntilQuiet(TSoundPlayer& player) { return player.StopSound(); }

// The real platform call, as if a device were there: this prefix has none,
// and the platform's own answers are what these tests look at.
struct PlatformAsIfWithDevice : SoundCalls {
    bool Play(const wchar_t* sound, UINT flags) override {
        return SoundCalls::System().Play(sound, flags);
    }
};

TEST(SoundPlayerSystem, WithoutAnAudioDeviceNothingPlays) {
    ASSERT_EQ(waveOutGetNumDevs(), 0u) << "the test prefix has no audio device";
    TSoundPlayer player(GetModuleHandleW(nullptr), ExecutableFolder());
    EXPECT_FALSE(player.PlaySoundByName(L"Snd_Matsu1"));
    EXPECT_FALSE(player.PlaySoundByName(L"snd_jikan2"));
    EXPECT_TRUE(player.StopSound()) << "and a stop is harmless";
}

TEST(SoundPlayerSystem, ASecondRequestWhileOneIsPlayingIsRefusedUntilAStop) {
    PlatformAsIfWithDevice platform;
    TSoundPlayer player(GetModuleHandleW(nullptr), ExecutableFolder(), platform);
    ASSERT_TRUE(WaitUntilQuiet(player));
    EXPECT_TRUE(player.PlaySoundByName(L"Snd_Matsu1"));
    EXPECT_FALSE(player.PlaySoundByName(L"Snd_Matsu2")) << "the first one plays on";
    EXPECT_TRUE(player.StopSound());
    EXPECT_TRUE(player.PlaySoundByName(L"Snd_Matsu2")) << "the stop ended the first one";
    EXPECT_TRUE(player.StopSound());
    EXPECT_TRUE(player.StopSound()) << "a stop with nothing playing is harmless";
    EXPECT_TRUE(player.PlaySoundByName(L"Snd_Matsu1"));
    EXPECT_TRUE(player.StopSound());
}

TEST(SoundPlayerSystem, AValidFileInAJapaneseFolderPlays) {
    ProgramFolder folder(L"ベルミラ音");
    WriteFile(folder.Sound(L"時報チャイム.wav"), WaveBytes(2000));
    PlatformAsIfWithDevice platform;
    TSoundPlayer player(GetModuleHandleW(nullptr), folder.Dir(), platform);
    ASSERT_TRUE(WaitUntilQuiet(player));
    EXPECT_TRUE(player.PlaySoundByName(L"時報チャイム.wav"));
    // The folder goes only after the platform has let go of the file.
    EXPECT_TRUE(WaitUntilQuiet(player));
}

}  // namespace
}  // namespace velmira
