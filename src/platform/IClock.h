#pragma once

#include <ctime>

// Local wall-clock time, injected so that time stamps in files are testable.
class IClock {
public:
    virtual ~IClock() = default;
    virtual std::tm LocalNow() = 0;
};
