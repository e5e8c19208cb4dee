#pragma once

#include <random>

#include "platform/IRandom.h"

// The game's random source: uniform in 0..32767, seeded once when made.
class CSystemRandom : public IRandom {
public:
    // Seeded from the time, so that every run deals differently.
    CSystemRandom();
    explicit CSystemRandom(unsigned seed);
    int Next() override;
    std::uint32_t NewSeed() override;
    void Restart(std::uint32_t nSeed) override;

private:
    std::mt19937 m_engine;
    std::mt19937 m_seeds;  // apart, so that picking a seed leaves the stream alone
    std::uniform_int_distribution<int> m_range{0, 32767};
};
