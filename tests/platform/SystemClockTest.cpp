#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/CSystemClock.h"

// In a zone half an hour off every whole-hour zone local time cannot pass for
// universal time. Nothing else in this program reads the local time.
TEST(SystemClock, TellsTheLocalTimeOfNow) {
    setenv("TZ", "TST-5:30", 1);
    tzset();
    const std::time_t before = std::time(nullptr);
    std::tm now = CSystemClock().LocalNow();
    const std::time_t after = std::time(nullptr);
    const int minute = now.tm_min;
    const std::time_t told = std::mktime(&now);  // mktime reads local time
    std::tm universal{};
    gmtime_r(&told, &universal);
    EXPECT_EQ((minute - universal.tm_min + 60) % 60, 30);
    EXPECT_GE(told, before);
    EXPECT_LE(told, after);
}
