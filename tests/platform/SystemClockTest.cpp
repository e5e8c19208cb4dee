#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/CSystemClock.h"

namespace {

// Runs with a time zone half an hour off any whole-hour zone, so local time
// cannot pass for universal time.
class SystemClock : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        m_hadZone = zone != nullptr;
        if (zone) m_zone = zone;
        setenv("TZ", "TST-5:30", 1);
        tzset();
    }
    void TearDown() override {
        if (m_hadZone)
            setenv("TZ", m_zone.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    std::string m_zone;
};

}  // namespace

TEST_F(SystemClock, TellsTheLocalTimeOfNow) {
    CSystemClock clock;
    const std::time_t before = std::time(nullptr);
    std::tm now = clock.LocalNow();
    const std::time_t after = std::time(nullptr);

    std::tm local = now;
    const std::time_t told = std::mktime(&local);  // mktime reads local time
    std::tm universal{};
    gmtime_r(&told, &universal);
    EXPECT_EQ((now.tm_min - universal.tm_min + 60) % 60, 30);
    EXPECT_GE(told, before);
    EXPECT_LE(told, after);
}
