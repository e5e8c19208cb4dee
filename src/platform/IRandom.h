#pragma once

// Source of pseudo-random integers uniform in 0..32767, handed to whatever
// deals numbers or blocks cells so that tests can pin every draw.
class IRandom {
public:
    virtual ~IRandom() = default;
    virtual int Next() = 0;
};
