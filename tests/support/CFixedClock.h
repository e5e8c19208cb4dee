#pragma once

#include "platform/IClock.h"

// A clock that stands still at the time a test gives it.
struct CFixedClock : IClock {
    explicit CFixedClock(const std::tm& now) : m_now(now) {}
    std::tm LocalNow() override { return m_now; }
    void Set(const std::tm& now) { m_now = now; }
    std::tm m_now;
};
