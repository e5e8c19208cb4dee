#include "platform/CSystemRandom.h"

#include <chrono>

namespace {

// Whole seconds alone would repeat for two games started within one second.
unsigned SeedFromTime() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace

CSystemRandom::CSystemRandom() : CSystemRandom(SeedFromTime()) {}

CSystemRandom::CSystemRandom(unsigned seed) : m_engine(seed), m_seeds(seed ^ 0x5EEDu) {}

int CSystemRandom::Next() {
    return m_range(m_engine);
}

std::uint32_t CSystemRandom::NewSeed() {
    return std::uint32_t(m_seeds());
}

void CSystemRandom::Restart(std::uint32_t nSeed) {
    m_engine.seed(nSeed);
    m_range.reset();
}
