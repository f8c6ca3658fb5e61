#include "voice/wave_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "wave_analysis.h"

namespace velmira {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A chunk with its true size, padded to even length unless told otherwise.
Bytes Chunk(const char* tag, const Bytes& body, bool pad = true) {
    Bytes b(tag, tag + 4);
    Put32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (pad && body.size() % 2) b.push_back(0);
    return b;
}

Bytes Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    Bytes b;
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b{'R', 'I', 'F', 'F'};
    Put32(b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

void Set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

Bytes Pcm16(const std::vector<int16_t>& samples) {
    Bytes data;
    for (int16_t s : samples) Put16(data, static_cast<uint16_t>(s));
    return Riff({Chunk("fmt ", Format(1, 1, 11025, 16)), Chunk("data", data)});
}

bool Parse(const Bytes& b, WaveInfo& info) { return ParseWaveImage(b.data(), b.size(), info); }

bool Parses(const Bytes& b) {
    WaveInfo info;
    return Parse(b, info);
}

TEST(WaveImage, ReadsThePlainPcmLayout) {
    const Bytes image = Pcm16({0, 100, -100, 0});
    WaveInfo info;
    ASSERT_TRUE(Parse(image, info));
    EXPECT_EQ(info.formatTag, 1);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sampleRate, 11025u);
    EXPECT_EQ(info.byteRate, 22050u);
    EXPECT_EQ(info.blockAlign, 2);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.dataOffset, 44u);
    EXPECT_EQ(info.dataSize, 8u);
}

TEST(WaveImage, FormatAfterDataAndUnknownChunksAreFine) {
    const Bytes image = Riff({Chunk("LIST", {1, 2, 3, 4, 5, 6}), Chunk("data", {0x80, 0x90}),
                              Chunk("fmt ", Format(1, 2, 8000, 8))});
    WaveInfo info;
    ASSERT_TRUE(Parse(image, info));
    EXPECT_EQ(info.dataOffset, 12u + 14u + 8u);
    EXPECT_EQ(info.dataSize, 2u);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.blockAlign, 2);
}

TEST(WaveImage, AnOddChunkIsFollowedByItsPadByte) {
    const Bytes padded = Riff({Chunk("junk", {7, 7, 7}), Chunk("fmt ", Format(1, 1, 11025, 8)),
                               Chunk("data", {0x80, 0x80, 0x80, 0x80})});
    WaveInfo info;
    ASSERT_TRUE(Parse(padded, info));
    EXPECT_EQ(info.dataOffset, 12u + 12u + 24u + 8u);
    // Without the pad byte the next header is read one byte early.
    const Bytes unpadded =
        Riff({Chunk("junk", {7, 7, 7}, false), Chunk("fmt ", Format(1, 1, 11025, 8)),
              Chunk("data", {0x80, 0x80, 0x80, 0x80})});
    EXPECT_FALSE(Parses(unpadded));
}

TEST(WaveImage, TheLastChunkMayLackItsPadByte) {
    const Bytes image =
        Riff({Chunk("fmt ", Format(1, 1, 11025, 8)), Chunk("data", {1, 2, 3}, false)});
    WaveInfo info;
    ASSERT_TRUE(Parse(image, info));
    EXPECT_EQ(info.dataSize, 3u);
    EXPECT_EQ(info.dataOffset + info.dataSize, image.size());
}

TEST(WaveImage, RejectsTruncatedImages) {
    Bytes image = Pcm16({1, 2, 3, 4, 5, 6});
    // data claims more than is there, the RIFF size agreeing with the buffer
    Set32(image, 40, 14);
    EXPECT_FALSE(Parses(image));
    // the RIFF size claims more than the buffer holds
    Bytes whole = Pcm16({1, 2, 3, 4, 5, 6});
    whole.pop_back();
    whole.pop_back();
    EXPECT_FALSE(Parses(whole));
    EXPECT_FALSE(Parses(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}));
    WaveInfo info;
    EXPECT_FALSE(ParseWaveImage(nullptr, 0, info));
}

TEST(WaveImage, HugeChunkSizesDoNotWrapAround) {
    for (uint32_t huge : {0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFF8u, 0x80000000u}) {
        // an unknown chunk before fmt whose size would wrap the offset back into the buffer
        Bytes image = Riff({Chunk("junk", {0, 0, 0, 0}), Chunk("fmt ", Format(1, 1, 11025, 8)),
                            Chunk("data", {0x80, 0x80})});
        Set32(image, 16, huge);
        EXPECT_FALSE(Parses(image)) << std::hex << huge;
        Bytes data = Pcm16({1, 2});
        Set32(data, 40, huge);
        EXPECT_FALSE(Parses(data)) << std::hex << huge;
        Bytes riff = Pcm16({1, 2});
        Set32(riff, 4, huge);
        EXPECT_FALSE(Parses(riff)) << std::hex << huge;
    }
}

TEST(WaveImage, RejectsMissingOrInconsistentFormat) {
    const Bytes data = Chunk("data", {0x80, 0x80});
    EXPECT_FALSE(Parses(Riff({data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", Format(1, 1, 11025, 8))})));
    Bytes shortFormat = Format(1, 1, 11025, 8);
    shortFormat.resize(14);
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", shortFormat), data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", Format(3, 1, 11025, 16)), data})));  // float
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", Format(1, 0, 11025, 8)), data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", Format(1, 1, 0, 8)), data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", Format(1, 1, 11025, 12)), data})));
    Bytes badAlign = Format(1, 2, 11025, 16);
    badAlign[12] = 2;               // two channels of 16 bits need 4
    Set32(badAlign, 8, 11025 * 2);  // the byte rate agreeing with the wrong block
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", badAlign), data})));
    Bytes badRate = Format(1, 1, 11025, 16);
    Set32(badRate, 8, 11025);  // 16-bit needs 22050 bytes a second
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", badRate), data})));
    // a longer fmt (with the extension size) is fine
    Bytes extended = Format(1, 1, 11025, 8);
    Put16(extended, 0);
    EXPECT_TRUE(Parses(Riff({Chunk("fmt ", extended), data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", extended), Chunk("fmt ", extended), data})));
    EXPECT_FALSE(Parses(Riff({Chunk("fmt ", extended), data, data})));
}

// Every single-byte change of a valid image either fails or describes data
// inside the buffer, and every cut fails (ASan watches the reads).
TEST(WaveImage, DamagedImagesStayInsideTheBuffer) {
    const Bytes good = Riff({Chunk("LIST", {1, 2, 3}), Chunk("fmt ", Format(1, 1, 11025, 16)),
                             Chunk("data", {1, 2, 3, 4, 5, 6})});
    for (size_t at = 0; at < good.size(); ++at) {
        for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            Bytes damaged = good;
            damaged[at] = static_cast<uint8_t>(value);
            WaveInfo info;
            if (Parse(damaged, info)) {
                EXPECT_LE(info.dataOffset + info.dataSize, damaged.size());
                uint32_t peak = 0;
                EXPECT_TRUE(PeakSample(damaged.data(), damaged.size(), info, peak));
            }
        }
    }
    for (size_t length = 0; length < good.size(); ++length) {
        Bytes cut(good.begin(), good.begin() + length);
        if (length >= 8) Set32(cut, 4, static_cast<uint32_t>(length - 8));
        // each cut loses part of the data chunk or more
        EXPECT_FALSE(Parses(cut)) << "cut to " << length;
    }
}

// Files from the SOUND_DATA folder: each broken header the platform crashed
// on is refused, and so is a cut file; the good one is accepted.
TEST(PlayableWave, RefusesBrokenHeaders) {
    const Bytes good =
        Riff({Chunk("fmt ", Format(1, 1, 11025, 8)), Chunk("data", {0x80, 0x90, 0x70})});
    EXPECT_FALSE(PlayableWaveCopy(good.data(), good.size()).empty());
    EXPECT_TRUE(PlayableWaveCopy(good.data(), good.size() - 2).empty()) << "cut short";
    // byte, width, value: no channels, no block size, 7 bits, 65535 channels,
    // fmt size 0xFFFFFFF0, data size 0xFFFFFFFF, no rate, a block not the frame's
    const struct {
        size_t at;
        int width;
        uint32_t value;
    } broken[] = {{22, 2, 0},           {32, 2, 0},           {34, 2, 7}, {22, 2, 65535},
                  {16, 4, 0xFFFFFFF0u}, {40, 4, 0xFFFFFFFFu}, {24, 4, 0}, {32, 2, 2}};
    for (const auto& b : broken) {
        Bytes file = good;
        for (int i = 0; i < b.width; ++i) file[b.at + i] = static_cast<uint8_t>(b.value >> (8 * i));
        EXPECT_TRUE(PlayableWaveCopy(file.data(), file.size()).empty()) << b.at << " " << b.value;
    }
}

TEST(WavePeak, MeasuresEightAndSixteenBitSamples) {
    Bytes eight =
        Riff({Chunk("fmt ", Format(1, 1, 11025, 8)), Chunk("data", {0x80, 0x90, 0x70, 0x41})});
    WaveInfo info;
    ASSERT_TRUE(Parse(eight, info));
    uint32_t peak = 0;
    ASSERT_TRUE(PeakSample(eight.data(), eight.size(), info, peak));
    EXPECT_EQ(peak, 0x80u - 0x41u);
    eight[info.dataOffset] = 0x00;  // the most negative 8-bit sample
    EXPECT_DOUBLE_EQ(PeakDbfs(eight.data(), eight.size(), info), 0.0);

    const Bytes sixteen = Pcm16({0, 16384, -8192, 3});
    ASSERT_TRUE(Parse(sixteen, info));
    ASSERT_TRUE(PeakSample(sixteen.data(), sixteen.size(), info, peak));
    EXPECT_EQ(peak, 16384u);
    EXPECT_NEAR(PeakDbfs(sixteen.data(), sixteen.size(), info), -6.0206, 1e-3);
    const Bytes loudest = Pcm16({-32768});
    ASSERT_TRUE(Parse(loudest, info));
    ASSERT_TRUE(PeakSample(loudest.data(), loudest.size(), info, peak));
    EXPECT_EQ(peak, 32768u);
}

TEST(WavePeak, SilenceAndUnmeasurableImages) {
    const Bytes quiet = Pcm16({0, 0, 0});
    WaveInfo info;
    ASSERT_TRUE(Parse(quiet, info));
    const double db = PeakDbfs(quiet.data(), quiet.size(), info);
    EXPECT_TRUE(std::isinf(db) && db < 0);
    const Bytes deep = Riff({Chunk("fmt ", Format(1, 1, 8000, 24)), Chunk("data", {1, 2, 3})});
    ASSERT_TRUE(Parse(deep, info));
    uint32_t peak = 0;
    EXPECT_FALSE(PeakSample(deep.data(), deep.size(), info, peak));
    EXPECT_TRUE(std::isnan(PeakDbfs(deep.data(), deep.size(), info)));
    // an info that does not belong to this buffer is refused, not read past its end
    ASSERT_TRUE(Parse(quiet, info));
    info.dataSize = quiet.size();
    EXPECT_FALSE(PeakSample(quiet.data(), quiet.size(), info, peak));
}

// ------------------------------------------------- the committed sounds

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file of every WAVE resource sounds.rc names, by resource name: lines
// of the form  Snd_Name WAVE "sounds/file.wav".
std::vector<std::pair<std::string, std::string>> SoundResources() {
    const std::string dir = std::string(VELMIRA_SOURCE_DIR) + "/resources/";
    std::ifstream rc(dir + "sounds.rc");
    std::vector<std::pair<std::string, std::string>> out;
    std::string text;
    while (std::getline(rc, text)) {
        std::istringstream words(text);
        std::string name, type, file;
        if (!(words >> name >> type >> file) || type != "WAVE") continue;
        if (file.size() < 3 || file.front() != '"' || file.back() != '"') continue;
        out.emplace_back(name, dir + file.substr(1, file.size() - 2));
    }
    return out;
}

TEST(CommittedSounds, EveryCueIsAShortQuietMonoWave) {
    const auto sounds = SoundResources();
    ASSERT_EQ(sounds.size(), 10u);
    size_t total = 0;
    std::vector<Bytes> cueData;
    for (const auto& [name, path] : sounds) {
        SCOPED_TRACE(name);
        const Bytes image = ReadFile(path);
        ASSERT_FALSE(image.empty()) << path;
        total += image.size();
        WaveInfo info;
        ASSERT_TRUE(Parse(image, info));
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.sampleRate, 11025u);
        EXPECT_LE(DurationMs(info), 2000u);
        if (name == "Snd_Silence") continue;
        EXPECT_EQ(info.bitsPerSample, 16);
        const double db = PeakDbfs(image.data(), image.size(), info);
        EXPECT_LE(db, -6.0);
        EXPECT_GT(db, -30.0);
        // It starts and ends at rest (no click) and carries no offset.
        const size_t count = info.dataSize / 2;
        ASSERT_GT(count, 0u);
        const uint8_t* s = image.data() + info.dataOffset;
        auto sample = [s](size_t i) {
            return static_cast<int16_t>(s[2 * i] | (s[2 * i + 1] << 8));
        };
        EXPECT_EQ(sample(0), 0);
        EXPECT_EQ(sample(count - 1), 0);
        long long sum = 0;
        for (size_t i = 0; i < count; ++i) sum += sample(i);
        EXPECT_LT(std::llabs(sum / static_cast<long long>(count)), 64);
        cueData.emplace_back(s, s + info.dataSize);
    }
    EXPECT_LE(total, 400u * 1024u);
    ASSERT_EQ(cueData.size(), 9u);
    for (size_t a = 0; a < cueData.size(); ++a)
        for (size_t b = a + 1; b < cueData.size(); ++b)
            EXPECT_NE(cueData[a], cueData[b])
                << "cues " << a << " and " << b << " are the same sound";
}

TEST(CommittedSounds, SilenceIsTheSmallEightBitImage) {
    const Bytes image =
        ReadFile(std::string(VELMIRA_SOURCE_DIR) + "/resources/sounds/snd_silence.wav");
    Bytes expected{'R', 'I', 'F', 'F'};
    Put32(expected, 146);
    for (char c : std::string("WAVEfmt ")) expected.push_back(static_cast<uint8_t>(c));
    Put32(expected, 16);
    expected.insert(expected.end(), {1, 0, 1, 0});
    Put32(expected, 11025);
    Put32(expected, 11025);
    expected.insert(expected.end(), {1, 0, 8, 0, 'd', 'a', 't', 'a'});
    Put32(expected, 110);
    expected.insert(expected.end(), 110, 0x80);
    ASSERT_EQ(expected.size(), 154u);
    EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace velmira
