#pragma once

#include <cstdint>
#include <string>

#include "game/CGameOptions.h"

// A game as twelve letters and digits that players can read out and type:
// its players (one or two), size, operators, signs, the computer's level and
// the seed of the
// random source its blocked cells and deals are drawn from. The same code
// gives the same board and the same stream of deals. The letters are
// Crockford's base 32 (no I, L, O or U; typed I and L count as 1, O as 0,
// lower case as upper); seventeen bits of check refuse a mistyped code.
class CGameCode {
public:
    static constexpr int kLength = 12;

    static std::string Make(const CGameOptions& options, std::uint32_t nSeed);
    // False for anything that is not a code of a valid game (length, a letter
    // outside the alphabet, the check, options the setup would refuse): then
    // options and seed are left as they were. Spaces and hyphens are skipped.
    // Only the code's fields are set: the names and the sound stay.
    static bool Read(const std::string& code, CGameOptions& options, std::uint32_t& nSeed);
};
