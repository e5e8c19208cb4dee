#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "platform/IRandom.h"

// Hands out the given draws in order and fails loudly when a test did not
// script enough of them.
class CScriptedRandom : public IRandom {
public:
    explicit CScriptedRandom(std::vector<int> draws) : m_draws(std::move(draws)) {}
    int Next() override {
        if (m_next >= m_draws.size()) throw std::out_of_range("CScriptedRandom ran out of draws");
        return m_draws[m_next++];
    }
    std::size_t Used() const { return m_next; }

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
};
