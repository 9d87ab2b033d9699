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
    // The widest range neither overflows nor divides by zero: the roll is
    // the generator's value counted up from the lower end.
    seedRandom(1);
    EXPECT_EQ(rollBetween(INT_MIN, INT_MAX), INT_MIN + 41);
}

TEST(Dice, TheGeneratorGivesItsKnownSequence) {
    // Every recorded game and seeded test relies on these very numbers: a
    // changed constant would quietly replay every game differently.
    seedRandom(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(nextRandom(), expected);
    }
    seedRandom(99);
    EXPECT_EQ(nextRandom(), 361);
    EXPECT_EQ(rollBetween(1, 6), 23235 % 6 + 1);
}

TEST(Dice, HitPointsAndMoneyStopAtTheLimits) {
    EXPECT_EQ(saturatingAdd(INT_MAX - 1, 10), INT_MAX);
    EXPECT_EQ(saturatingSubtract(INT_MIN + 1, 10), INT_MIN);
    EXPECT_EQ(saturatingSubtract(5, 7), -2);
}

}  // namespace
