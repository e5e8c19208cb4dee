#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/CWaveFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutTag(Bytes& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

Bytes Chunk(const char* tag, const Bytes& body) {
    Bytes out;
    PutTag(out, tag);
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1) out.push_back(0);
    return out;
}

// A complete format chunk.
Bytes Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes body = {static_cast<std::uint8_t>(tag), static_cast<std::uint8_t>(tag >> 8),
                  static_cast<std::uint8_t>(channels), 0};
    Put32(body, rate);
    Put32(body, rate * channels * bits / 8);
    body.push_back(static_cast<std::uint8_t>(channels * bits / 8));
    body.push_back(0);
    body.push_back(static_cast<std::uint8_t>(bits));
    body.push_back(0);
    return Chunk("fmt ", body);
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes inner;
    PutTag(inner, "WAVE");
    for (const Bytes& chunk : chunks) inner.insert(inner.end(), chunk.begin(), chunk.end());
    Bytes out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(inner.size()));
    out.insert(out.end(), inner.begin(), inner.end());
    return out;
}

}  // namespace

TEST(WaveFile, WrittenSamplesReadBackUnchanged) {
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32768, 1234, -4321};
    const CWaveFile written(22050, samples);
    const auto read = CWaveFile::Parse(written.Bytes());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->SampleRate(), 22050);
    EXPECT_EQ(read->Channels(), 1);
    EXPECT_EQ(read->BitsPerSample(), 16);
    EXPECT_EQ(read->Data(), written.Data());
    EXPECT_EQ(read->Data().size(), samples.size() * 2);
}

TEST(WaveFile, DurationCountsFramesAtTheSampleRate) {
    EXPECT_EQ(CWaveFile(44100, std::vector<std::int16_t>(44100)).DurationMs(), 1000);
    EXPECT_EQ(CWaveFile(22050, std::vector<std::int16_t>(2205)).DurationMs(), 100);
    EXPECT_EQ(CWaveFile(22050, std::vector<std::int16_t>(1)).DurationMs(), 1);
}

TEST(WaveFile, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
    const Bytes wave =
        Riff({Format(1, 1, 8000, 8), Chunk("LIST", {1, 2, 3}), Chunk("data", {9, 8, 7, 6})});
    const auto read = CWaveFile::Parse(wave);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data(), (Bytes{9, 8, 7, 6}));
    EXPECT_EQ(read->BitsPerSample(), 8);
}

TEST(WaveFile, ADataChunkLongerThanTheFileIsCutToWholeFrames) {
    Bytes wave = Riff({Format(1, 2, 8000, 16), Chunk("data", Bytes(16, 5))});
    wave.resize(wave.size() - 7);  // the file ends in the middle of a frame
    const auto read = CWaveFile::Parse(wave);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data().size(), 8u);
    EXPECT_EQ(read->BytesPerFrame(), 4);
}

struct SDamaged {
    const char* name;
    Bytes bytes;
};

class DamagedWave : public ::testing::TestWithParam<SDamaged> {};

TEST_P(DamagedWave, IsRejectedWithoutReadingPastTheEnd) {
    EXPECT_FALSE(CWaveFile::Parse(GetParam().bytes)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    WaveFile, DamagedWave,
    ::testing::Values(
        SDamaged{"empty", {}},
        SDamaged{"not riff", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        SDamaged{"no chunks", Riff({})},
        SDamaged{"no data", Riff({Format(1, 1, 8000, 16)})},
        SDamaged{"no format", Riff({Chunk("data", {1, 2})})},
        SDamaged{"compressed", Riff({Format(2, 1, 8000, 16), Chunk("data", {1, 2})})},
        SDamaged{"24-bit", Riff({Format(1, 1, 8000, 24), Chunk("data", {1, 2, 3})})},
        SDamaged{"no channels", Riff({Format(1, 0, 8000, 16), Chunk("data", {1, 2})})},
        SDamaged{"format too short", Riff({Chunk("fmt ", {1, 0, 1, 0}), Chunk("data", {1, 2})})},
        SDamaged{"format past the end",
                 [] {
                     Bytes wave = Riff({Format(1, 1, 8000, 16)});
                     wave.resize(wave.size() - 6);
                     return wave;
                 }()},
        SDamaged{"huge chunk size", [] {
                     Bytes wave = Riff({Chunk("LIST", {0})});
                     wave[16] = wave[17] = wave[18] = wave[19] = 0xFF;
                     return wave;
                 }()}),
    [](const ::testing::TestParamInfo<SDamaged>& param) {
        std::string name = param.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });
