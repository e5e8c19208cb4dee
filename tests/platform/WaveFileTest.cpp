#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/CWaveFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A file as our writer lays it out: "fmt " at 12 with its size at 16, the
// format tag at 20, channels at 22, bits at 34, "data" at 36, samples from 44.
Bytes Written(std::size_t samples) {
    return CWaveFile(8000, std::vector<std::int16_t>(samples, 5)).Bytes();
}

}  // namespace

TEST(WaveFile, WrittenSamplesReadBackUnchangedAndLastAsLongAsTheyShould) {
    const CWaveFile written(22050, {0, 1, -1, 32767, -32768, 1234, -4321});
    const auto read = CWaveFile::Parse(written.Bytes());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->SampleRate(), 22050);
    EXPECT_EQ(read->Channels(), 1);
    EXPECT_EQ(read->BitsPerSample(), 16);
    EXPECT_EQ(read->Data(), written.Data());
    EXPECT_EQ(read->Data().size(), 14u);
    // Rounded up to whole milliseconds.
    EXPECT_EQ(CWaveFile(22050, std::vector<std::int16_t>(2205)).DurationMs(), 100);
    EXPECT_EQ(CWaveFile(22050, std::vector<std::int16_t>(1)).DurationMs(), 1);
}

TEST(WaveFile, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
    Bytes bytes = Written(2);
    bytes[34] = 8;                                                    // 8-bit samples
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 1, 2, 3, 0};  // padded to 4
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    const auto read = CWaveFile::Parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data(), (Bytes{5, 0, 5, 0}));
    EXPECT_EQ(read->BitsPerSample(), 8);
}

TEST(WaveFile, ADataChunkLongerThanTheFileIsCutToWholeFrames) {
    Bytes bytes = Written(8);
    bytes[22] = 2;  // stereo: 4 bytes a frame
    bytes.resize(bytes.size() - 7);
    const auto read = CWaveFile::Parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data().size(), 8u);
}

struct SDamage {
    const char* name;
    std::vector<std::pair<std::size_t, std::uint8_t>> changes;
    std::size_t keep = 60;  // bytes kept of the 60 written
};

class DamagedWave : public ::testing::TestWithParam<SDamage> {};

TEST_P(DamagedWave, IsRejectedWithoutReadingPastTheEnd) {
    Bytes bytes = Written(8);
    for (const auto& [at, value] : GetParam().changes) bytes[at] = value;
    // A copy of exactly the kept bytes, so that the sanitizers see any read past them.
    const Bytes kept(bytes.begin(), bytes.begin() + std::ptrdiff_t(GetParam().keep));
    EXPECT_FALSE(CWaveFile::Parse(kept)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    WaveFile, DamagedWave,
    ::testing::Values(SDamage{"empty", {}, 0}, SDamage{"riff header cut short", {}, 8},
                      SDamage{"not riff", {{3, 'X'}}}, SDamage{"not wave", {{11, 'X'}}},
                      SDamage{"no chunks", {}, 12}, SDamage{"data header cut short", {}, 40},
                      SDamage{"no format", {{12, 'x'}}}, SDamage{"compressed", {{20, 2}}},
                      SDamage{"24-bit", {{34, 24}}}, SDamage{"no channels", {{22, 0}}},
                      SDamage{"format too short", {{16, 4}}, 24},
                      SDamage{"format past the end", {}, 30},
                      SDamage{"huge chunk size",
                              {{12, 'x'}, {16, 0xFF}, {17, 0xFF}, {18, 0xFF}, {19, 0xFF}}}));
