#include <gtest/gtest.h>

#include <string>

#include "platform/CWaveFile.h"
#include "platform/WinPath.h"

namespace {

struct SCueFile {
    const char* name;  // as the game names it
    int longestMs;
};

class CueFile : public ::testing::TestWithParam<SCueFile> {};

}  // namespace

// Every cue the game plays is shipped, playable, and short enough for its moment.
TEST_P(CueFile, IsShortMono16BitPcm) {
    const std::string path = std::string(TALLYFOLD_DATA_DIR) + "/" +
                             ToLocalPath(GetParam().name).substr(std::string("data/").size());
    const auto wave = CWaveFile::Read(path);
    ASSERT_TRUE(wave) << path;
    EXPECT_EQ(wave->Channels(), 1);
    EXPECT_EQ(wave->BitsPerSample(), 16);
    EXPECT_TRUE(wave->SampleRate() == 22050 || wave->SampleRate() == 44100);
    EXPECT_GT(wave->DurationMs(), 0);
    EXPECT_LE(wave->DurationMs(), GetParam().longestMs);
}

// The ticks play once per point while a score counts, so they must be quick;
// the deal's rattle repeats every 250 ms.
INSTANTIATE_TEST_SUITE_P(
    Data, CueFile,
    ::testing::Values(SCueFile{"data\\shake2.wav", 250}, SCueFile{"data\\shoop.wav", 600},
                      SCueFile{"data\\warble.wav", 400}, SCueFile{"data\\no.wav", 400},
                      SCueFile{"data\\up.wav", 120}, SCueFile{"data\\down.wav", 120},
                      SCueFile{"data\\humanw.wav", 3000}, SCueFile{"data\\compw.wav", 3000},
                      SCueFile{"data\\vexa.wav", 3000}));
