#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/CSystemRandom.h"

TEST(SystemRandom, DrawsCoverZeroTo32767Uniformly) {
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
    for (int count : tenths) EXPECT_NEAR(count, 20000, 1000);
}

TEST(SystemRandom, SourcesSeededAtDifferentTimesDealDifferently) {
    CSystemRandom first;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    CSystemRandom second;
    int same = 0;
    for (int i = 0; i < 20; ++i) same += first.Next() == second.Next() ? 1 : 0;
    EXPECT_LT(same, 20);
}
