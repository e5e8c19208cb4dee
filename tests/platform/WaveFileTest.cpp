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

TEST(WaveFile, LastsAsLongAsItsSamplesRoundedUpToWholeMilliseconds) {
    EXPECT_EQ(CWaveFile(22050, std::vector<std::int16_t>(1)).DurationMs(), 1);
}

TEST(WaveFile, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
    Bytes bytes = Written(2);
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 1, 2, 3, 0};  // padded to 4
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    const auto read = CWaveFile::Parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data(), (Bytes{5, 0, 5, 0}));
}

TEST(WaveFile, ADataChunkLongerThanTheFileIsCutToWholeFrames) {
    Bytes bytes = Written(8);
    bytes[22] = 2;  // stereo: 4 bytes a frame
    bytes.resize(bytes.size() - 7);
    const auto read = CWaveFile::Parse(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Data().size(), 8u);
}

// Each is a copy of exactly the bytes kept, so that the sanitizers see any read past them: a
// cut header, a compressed format, a format chunk too short or past the end, a huge chunk.
TEST(WaveFile, DamagedOnesAreRefusedWithoutReadingPastTheEnd) {
    using Changes = std::vector<std::pair<std::size_t, std::uint8_t>>;
    const std::pair<Changes, std::size_t> damages[] = {
        {{}, 8},         {{}, 40},
        {{{20, 2}}, 60}, {{{16, 4}}, 24},
        {{}, 30},        {{{12, 'x'}, {16, 0xFF}, {17, 0xFF}, {18, 0xFF}, {19, 0xFF}}, 60}};
    for (const auto& [changes, keep] : damages) {
        Bytes bytes = Written(8);
        for (const auto& [at, value] : changes) bytes[at] = value;
        const Bytes kept(bytes.begin(), bytes.begin() + std::ptrdiff_t(keep));
        EXPECT_FALSE(CWaveFile::Parse(kept)) << keep;
    }
}
