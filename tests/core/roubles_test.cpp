#include "core/roubles.h"

#include <climits>
#include <utility>
#include <vector>

#include "support/screen_text.h"

TEST(Roubles, WordAgreesWithTheNumber) {
    const std::pair<const char*, std::vector<std::int32_t>> cases[] = {
        {"рубль", {1, 21, 101, 1001, -1, -21}},
        {"рубля", {2, 3, 4, 22, 23, 24, 1002, -2, -24}},
        {"рублей", {0,  5,   9,   10,  11,  12,   13,  14,   15,      19,     20,
                    25, 111, 112, 113, 114, 1000, -11, -112, INT_MAX, INT_MIN}},
    };
    for (const auto& [word, amounts] : cases) {
        for (const std::int32_t amount : amounts) {
            EXPECT_EQ(fromCp1251(roubleWord(amount)), word) << amount;
        }
    }
}
