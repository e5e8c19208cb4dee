#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/CSystemRandom.h"

TEST(SystemRandom, DrawsCoverZeroTo32767AndNothingElse) {
    CSystemRandom random(12345u);
    int lowest = 32767;
    int highest = 0;
    std::vector<int> tenths(10, 0);
    for (int i = 0; i < 200000; ++i) {
        const int draw = random.Next();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
        lowest = std::min(lowest, draw);
        highest = std::max(highest, draw);
        ++tenths[static_cast<std::size_t>(draw * 10 / 32768)];
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
    // Uniform: every tenth of the range gets close to 20000 draws.
    for (int count : tenths) EXPECT_NEAR(count, 20000, 1000);
}

TEST(SystemRandom, TheSameSeedDealsTheSameNumbers) {
    CSystemRandom first(7u);
    CSystemRandom second(7u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(first.Next(), second.Next());
}

TEST(SystemRandom, SourcesSeededFromTheTimeDealDifferently) {
    CSystemRandom first;
    CSystemRandom second;
    std::vector<int> a;
    std::vector<int> b;
    for (int i = 0; i < 20; ++i) {
        a.push_back(first.Next());
        b.push_back(second.Next());
    }
    EXPECT_NE(a, b);
}
