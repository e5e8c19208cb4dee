#pragma once

#include <cstdint>

// Source of pseudo-random integers uniform in 0..32767, handed to whatever
// deals numbers or blocks cells so that tests can pin every draw.
class IRandom {
public:
    virtual ~IRandom() = default;
    virtual int Next() = 0;
    // A game's own stream: after Restart(seed) the draws depend on seed alone,
    // so a game can be played again from its code. NewSeed picks a seed for a
    // new game without touching the stream. Doubles that hand out scripted
    // draws keep them.
    virtual std::uint32_t NewSeed() { return 0; }
    virtual void Restart(std::uint32_t /*nSeed*/) {}
};
