#include "core/dice.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "platform/random.h"

namespace {

TEST(Dice, RollsCoverBothEndsOfTheRange) {
    seedRandom(3);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        seen.insert(rollBetween(15, 39));
    }
    EXPECT_EQ(seen.size(), 25u);
    EXPECT_EQ(*seen.begin(), 15);
    EXPECT_EQ(*seen.rbegin(), 39);
}

TEST(Dice, RangeGivenTheWrongWayRoundRollsWithinItsEnds) {
    seedRandom(5);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        seen.insert(rollBetween(9, 4));
    }
    EXPECT_EQ(seen, (std::set<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(rollBetween(7, 7), 7);
    const int wide = rollBetween(INT_MIN, INT_MAX);  // no overflow, no division by zero
    EXPECT_GE(wide, INT_MIN);
}

TEST(Dice, SameSeedSameRolls) {
    seedRandom(99);
    const int a = nextRandom();
    const int b = nextRandom();
    seedRandom(99);
    EXPECT_EQ(nextRandom(), a);
    EXPECT_EQ(nextRandom(), b);
    EXPECT_LE(a, RANDOM_MAX);
}

TEST(Dice, HitPointsAndMoneyStopAtTheLimits) {
    EXPECT_EQ(saturatingAdd(INT_MAX - 1, 10), INT_MAX);
    EXPECT_EQ(saturatingSubtract(INT_MIN + 1, 10), INT_MIN);
    EXPECT_EQ(saturatingSubtract(5, 7), -2);
}

}  // namespace
