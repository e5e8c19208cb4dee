#include <gtest/gtest.h>

#include <cstdint>

#include "game/CDealOdds.h"

namespace {

TEST(DealOdds, TenIsDealtOnlyForTheTopDraw) {
    EXPECT_EQ(CDealOdds::NumberFromDraw(0), 0);
    EXPECT_EQ(CDealOdds::NumberFromDraw(3276), 0);
    EXPECT_EQ(CDealOdds::NumberFromDraw(3277), 1);
    EXPECT_EQ(CDealOdds::NumberFromDraw(32766), 9);
    EXPECT_EQ(CDealOdds::NumberFromDraw(32767), 10);
    EXPECT_EQ(CDealOdds::NumberWeight(10), 1u);
    std::uint64_t total = 0;
    for (int n = 0; n <= 10; ++n) total += CDealOdds::NumberWeight(n);
    EXPECT_EQ(total, 32768u);
    for (int n = 0; n <= 9; ++n) {
        EXPECT_GE(CDealOdds::NumberWeight(n), 3276u) << n;
        EXPECT_LE(CDealOdds::NumberWeight(n), 3277u) << n;
    }
}

TEST(DealOdds, ZeroUnderMultiplicationAloneNeedsAZeroAmongTheThreeNumbers) {
    const CDealOdds odds({false, false, true, false, true});
    const std::uint64_t noZero = CDealOdds::kDraws - CDealOdds::NumberWeight(0);
    EXPECT_EQ(odds.WeightOfValues({0}), CDealOdds::kSetTotal - noZero * noZero * noZero);
    EXPECT_FALSE(odds.IsReachable(11));  // a prime above 10 is no product of 0..10
    EXPECT_TRUE(odds.IsReachable(1000));
}

TEST(DealOdds, AdditionAloneReachesExactlyZeroToThirty) {
    const CDealOdds odds({true, false, false, false, true});
    const auto values = odds.ReachableValues();
    ASSERT_EQ(values.size(), 31u);
    EXPECT_EQ(values.front(), 0);
    EXPECT_EQ(values.back(), 30);
    // 30 needs three tens.
    EXPECT_EQ(odds.WeightOfValues({30}), 1u);
}

TEST(DealOdds, ADealOfFifteenSetsCompoundsTheOddsOfOneSet) {
    EXPECT_DOUBLE_EQ(CDealOdds::DealProbability(0), 0.0);
    EXPECT_DOUBLE_EQ(CDealOdds::DealProbability(CDealOdds::kSetTotal), 1.0);
    EXPECT_NEAR(CDealOdds::DealProbability(CDealOdds::kSetTotal / 2), 1.0 - 1.0 / 32768, 1e-12);
}

}  // namespace
