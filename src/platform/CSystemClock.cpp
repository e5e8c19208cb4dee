#include "platform/CSystemClock.h"

std::tm CSystemClock::LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    // localtime_r: std::localtime shares one buffer between callers.
    localtime_r(&now, &local);
    return local;
}
