#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "platform/CSystemRandom.h"

TEST(SystemRandom, DrawsReachZeroAnd32767AndDifferFromSourceToSource) {
    CSystemRandom random(12345u);
    std::set<int> ends;
    for (int i = 0; i < 200000; ++i) {
        const int draw = random.Next();
        ASSERT_TRUE(draw >= 0 && draw <= 32767) << draw;
        if (draw == 0 || draw == 32767) ends.insert(draw);
    }
    EXPECT_EQ(ends.size(), 2u);
    // Sources seeded at different times deal differently.
    CSystemRandom first;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    CSystemRandom second;
    int same = 0;
    for (int i = 0; i < 20; ++i) same += first.Next() == second.Next() ? 1 : 0;
    EXPECT_LT(same, 20);
}
