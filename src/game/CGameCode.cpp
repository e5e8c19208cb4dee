#include "game/CGameCode.h"

#include <cctype>

#include "game/SetupRules.h"

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kCheckBits = 17;
constexpr int kSeedBits = 32;
constexpr int kOperatorSets = 15;  // every non-empty set of the four
constexpr int kSigns = 3;
constexpr int kSizes = 4;
constexpr int kLevels = 3;
constexpr std::uint64_t kOptionsLimit = 2ULL * kSizes * kOperatorSets * kSigns * kLevels;

int OperatorMask(const COperatorSet& ops) {
    return (ops.m_bAdd ? 1 : 0) | (ops.m_bSubtract ? 2 : 0) | (ops.m_bMultiply ? 4 : 0) |
           (ops.m_bDivide ? 8 : 0);
}

// A mix of every payload bit into the check, so that any one mistyped letter
// (five bits) or two swapped ones change it.
std::uint64_t Check(std::uint64_t payload) {
    std::uint64_t h = payload * 0x9E3779B97F4A7C15ULL;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 32;
    return h & ((1ULL << kCheckBits) - 1);
}

int Digit(char c) {
    c = char(std::toupper(static_cast<unsigned char>(c)));
    if (c == 'O') c = '0';
    if (c == 'I' || c == 'L') c = '1';
    for (int d = 0; d < 32; ++d) {
        if (kAlphabet[d] == c) return d;
    }
    return -1;
}

}  // namespace

std::string CGameCode::Make(const CGameOptions& options, std::uint32_t nSeed) {
    const int mask = OperatorMask(options.m_operators);
    const std::uint64_t game =
        ((std::uint64_t(options.m_bOnePlayer ? 0 : 1) * kSizes +
          std::uint64_t(CGameOptions::SizeForPieces(options.m_nPieces))) * kOperatorSets +
         std::uint64_t(mask > 0 ? mask - 1 : 0)) * kSigns +
        std::uint64_t(options.m_nSignMode >= 0 && options.m_nSignMode < kSigns ? options.m_nSignMode : 2);
    const std::uint64_t level =
        std::uint64_t(options.m_nLevel >= 0 && options.m_nLevel < kLevels ? options.m_nLevel : kLevelExpert);
    const std::uint64_t index = game * kLevels + level;
    const std::uint64_t payload = (index << kSeedBits) | nSeed;
    std::uint64_t bits = (payload << kCheckBits) | Check(payload);
    std::string code(kLength, '0');
    for (int i = kLength - 1; i >= 0; --i, bits >>= 5) code[std::size_t(i)] = kAlphabet[bits & 31];
    return code;
}

bool CGameCode::Read(const std::string& code, CGameOptions& options, std::uint32_t& nSeed) {
    std::uint64_t bits = 0;
    int count = 0;
    for (char c : code) {
        if (c == ' ' || c == '-') continue;
        const int digit = Digit(c);
        if (digit < 0 || ++count > kLength) return false;
        bits = (bits << 5) | std::uint64_t(digit);
    }
    if (count != kLength) return false;
    const std::uint64_t payload = bits >> kCheckBits;
    if (Check(payload) != (bits & ((1ULL << kCheckBits) - 1))) return false;
    std::uint64_t index = payload >> kSeedBits;
    if (index >= kOptionsLimit) return false;
    CGameOptions read = options;
    read.m_nLevel = int(index % kLevels);
    index /= kLevels;
    read.m_nSignMode = int(index % kSigns);
    index /= kSigns;
    const int mask = int(index % kOperatorSets) + 1;
    index /= kOperatorSets;
    read.m_operators = {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
    read.m_nPieces = CGameOptions::PiecesForSize(int(index % kSizes));
    read.m_bOnePlayer = index / kSizes == 0;
    if (BrokenSetupRule(read.m_operators, read.m_nSignMode) != ESetupRule::Valid) return false;
    options = read;
    nSeed = std::uint32_t(payload & 0xFFFFFFFFULL);
    return true;
}
