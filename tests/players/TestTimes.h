#pragma once

#include <ctime>

// Sunday 7 March 1999, at the given time of day.
inline std::tm March7th1999(int hour, int minute, int second = 0) {
    std::tm time{};
    time.tm_year = 99;
    time.tm_mon = 2;
    time.tm_mday = 7;
    time.tm_wday = 0;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}
