#pragma once

#include <vector>

#include "platform/IRandom.h"

// Hands out the given draws in order; one more than a test scripted throws.
struct CScriptedRandom : IRandom {
    explicit CScriptedRandom(std::vector<int> draws) : m_draws(std::move(draws)) {}
    int Next() override { return m_draws.at(m_nUsed++); }
    std::vector<int> m_draws;
    std::size_t m_nUsed = 0;
};
