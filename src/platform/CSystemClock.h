#pragma once

#include "platform/IClock.h"

// The machine's local wall-clock time.
class CSystemClock : public IClock {
public:
    std::tm LocalNow() override;
};
