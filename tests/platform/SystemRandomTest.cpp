#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "platform/CSystemRandom.h"

TEST(SystemRandom, DrawsCoverZeroTo32767EvenlyAndDifferFromSourceToSource) {
    CSystemRandom random(12345u);
    std::vector<int> tenths(10, 0);
    std::set<int> ends;
    for (int i = 0; i < 200000; ++i) {
        const int draw = random.Next();
        ASSERT_TRUE(draw >= 0 && draw <= 32767) << draw;
        if (draw == 0 || draw == 32767) ends.insert(draw);
        ++tenths[std::size_t(draw * 10 / 32768)];
    }
    EXPECT_EQ(ends.size(), 2u);
    for (int count : tenths) EXPECT_NEAR(count, 20000, 1000);
    // Sources seeded at different times deal differently.
    CSystemRandom first;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    CSystemRandom second;
    int same = 0;
    for (int i = 0; i < 20; ++i) same += first.Next() == second.Next() ? 1 : 0;
    EXPECT_LT(same, 20);
}
