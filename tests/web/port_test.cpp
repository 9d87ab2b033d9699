// What the web backend gives the game through port.h besides the console:
// the tick count that seeds the rolls, from the wall clock, and the data
// files built into the page's module.
#include "platform/port.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "platform/web/built_in_files.h"
#include "platform/web/page_clock.h"

namespace {

TEST(PageClock, TheLow32BitsOfTheMillisecondsSince1970) {
    EXPECT_EQ(ticksFromDateNow(0.0), 0u);
    EXPECT_EQ(ticksFromDateNow(411.0 * 4294967296.0 + 1.0), 1u);  // late in 2025
    EXPECT_EQ(ticksFromDateNow(4294967295.0), 4294967295u);
    EXPECT_EQ(ticksFromDateNow(1765231558657.75), 1u) << "a fraction is dropped";
    // Two games a second apart get different rolls.
    EXPECT_EQ(ticksFromDateNow(1765231559657.0) - ticksFromDateNow(1765231558657.0), 1000u);
}

TEST(PageClock, AClockBeforeTheEpochOrNoNumberAtAllIsStillATick) {
    EXPECT_EQ(ticksFromDateNow(-1.0), 4294967295u);
    EXPECT_EQ(ticksFromDateNow(std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ(ticksFromDateNow(std::numeric_limits<double>::infinity()), 0u);
    EXPECT_EQ(ticksFromDateNow(1e300), ticksFromDateNow(std::fmod(1e300, 4294967296.0)));
}

TEST(PagePort, TheTickCountIsTheWallClocksNotThePagesOwn) {
    // A clock that started with the page would be near 0 on every load,
    // and every player would get nearly the same rolls.
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const std::uint32_t ticks = tickCount();
    EXPECT_LT(std::uint32_t(ticks - std::uint32_t(now)) + 60000u, 120000u)
        << "within a minute of the wall clock's low 32 bits";
}

TEST(BuiltInFiles, ThePagesModuleHoldsEveryDataFileByteForByte) {
    std::istringstream names(AE_DATA_FILE_LIST);
    std::size_t count = 0;
    for (std::string name; std::getline(names >> std::ws, name, ',');) {
        std::ifstream file(std::string(AE_ASSETS_DIR) + "/" + name, std::ios::binary);
        const std::string expected{std::istreambuf_iterator<char>(file), {}};
        std::string bytes;
        EXPECT_TRUE(readBuiltInFile(BUILT_IN_FILES, BUILT_IN_FILE_COUNT, name, 1u << 20, bytes));
        EXPECT_EQ(bytes, expected) << name;
        ++count;
    }
    EXPECT_EQ(count, BUILT_IN_FILE_COUNT);
}

TEST(BuiltInFiles, AnotherNameIsMissingAndALongFileIsReadOnlyInPart) {
    const unsigned char title[] = {'T', 'i', 't', 'l', 'e'};
    const BuiltInFile files[] = {{"Title.txt", title, sizeof title}};
    std::string bytes = "kept";
    EXPECT_FALSE(readBuiltInFile(files, 1, "NPC.txt", 100, bytes));
    EXPECT_TRUE(readBuiltInFile(files, 1, "Title.txt", 3, bytes));
    EXPECT_EQ(bytes, "keptTit");
}

}  // namespace
