#pragma once

#include <ctime>

#include "platform/IClock.h"

// A clock that stands still at the time a test gives it.
class CFixedClock : public IClock {
public:
    explicit CFixedClock(const std::tm& now) : m_now(now) {}
    std::tm LocalNow() override { return m_now; }
    void Set(const std::tm& now) { m_now = now; }

private:
    std::tm m_now;
};
