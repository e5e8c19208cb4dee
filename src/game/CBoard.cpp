#include "game/CBoard.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/CBoardLine.h"
#include "game/CCaseEnumerator.h"
#include "platform/IRandom.h"

namespace {

// Lines after the 35th describe no cell and are not read.
std::vector<std::string> ReadCellLines(std::istream& stream) {
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < static_cast<std::size_t>(kCells) && std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

bool CBoard::LoadFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream file(path);
    if (!file) return false;
    LoadLines(ReadCellLines(file));
    return true;
}

void CBoard::LoadText(const std::string& text) {
    std::istringstream stream(text);
    LoadLines(ReadCellLines(stream));
}

void CBoard::LoadLines(const std::vector<std::string>& lines) {
    for (int i = 0; i < kCells; ++i) {
        m_pieces[i] =
            static_cast<std::size_t>(i) < lines.size() ? CBoardLine::Parse(lines[i]) : CPiece();
    }
    m_nCaseResults.fill(kNoResult);
    m_bCaseValid.fill(false);
    // The ranking must never name a piece of the previous board.
    RefreshCounts();
}

const CPiece& CBoard::Piece(int nIndex) const {
    static const CPiece empty;
    return IsIndex(nIndex) ? m_pieces[nIndex] : empty;
}

int CBoard::UntakenCount() const {
    return static_cast<int>(std::count_if(m_pieces.begin(), m_pieces.end(),
                                          [](const CPiece& p) { return p.IsUntaken(); }));
}

template <typename F>
int CBoard::ForEachTakenNeighbour(int nRow, int nColumn, F&& onCounted) const {
    // Row above left to right, then left and right, then the row below.
    static constexpr int kOffsets[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1},
                                           {0, 1},   {1, -1}, {1, 0},  {1, 1}};
    int count = 0;
    for (const auto& offset : kOffsets) {
        const int row = nRow + offset[0];
        const int column = nColumn + offset[1];
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) continue;
        const int index = Index(row, column);
        if (!m_pieces[index].IsTaken()) continue;
        ++count;
        onCounted(index);
    }
    return count;
}

int CBoard::CountTakenNeighbours(int nRow, int nColumn) const {
    return ForEachTakenNeighbour(nRow, nColumn, [](int) {});
}

int CBoard::CountTakenNeighbours(int nRow, int nColumn,
                                 const std::function<void(int)>& onCounted) const {
    return ForEachTakenNeighbour(nRow, nColumn, [&](int index) {
        if (onCounted) onCounted(index);
    });
}

void CBoard::RefreshCounts() {
    m_bAllTaken = true;
    for (int i = 0; i < kCells; ++i) {
        CPiece& piece = m_pieces[i];
        if (piece.IsUntaken()) {
            m_ranked[i] = i;
            piece.m_nTakenNeighbours = CountTakenNeighbours(i / kColumns, i % kColumns);
            m_bAllTaken = false;
        } else {
            m_ranked[i] = kUnset;
        }
    }
    if (m_bAllTaken) return;

    // Pack: a hole at the front takes the entry at the back. This fixes the
    // order of equal counts, which decides between equal pieces.
    int front = 0;
    int back = kCells - 1;
    while (back > front) {
        if (m_ranked[front] == kUnset) {
            m_ranked[front] = m_ranked[back];
            m_ranked[back] = kUnset;
            --back;
        } else {
            ++front;
        }
    }

    int n = 0;
    while (n < kCells && m_ranked[n] != kUnset) ++n;
    if (n < 2) return;

    auto count = [&](int i) { return m_pieces[m_ranked[i]].m_nTakenNeighbours; };
    for (int gap = n / 2;; gap /= 2) {
        bool bSwapped = true;
        while (bSwapped) {
            bSwapped = false;
            for (int i = 0; i < n - gap; ++i) {
                if (count(i) < count(i + gap)) {
                    std::swap(m_ranked[i], m_ranked[i + gap]);
                    bSwapped = true;
                }
            }
        }
        if (gap <= 1) break;
    }
}

std::vector<int> CBoard::BlockRandomCells(int nCount, IRandom& random) {
    std::vector<int> blocked;
    // A draw scaled from 0..32767 onto 0..limit - 1; 32767 itself lands on the last.
    auto scale = [](int r, int limit) {
        const std::int64_t v = static_cast<std::int64_t>(r) * limit / 32767;
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, limit - 1));
    };
    int handled = 0;
    while (handled < nCount && UntakenCount() > 0) {
        const int row = scale(random.Next(), kRows);
        const int column = scale(random.Next(), kColumns);
        CPiece& piece = m_pieces[Index(row, column)];
        if (!piece.m_bExists) {
            ++handled;
        } else if (piece.m_nTakenBy == kUntaken) {
            piece.m_nTakenBy = kTakenByOne;
            piece.m_bBlocked = true;
            blocked.push_back(Index(row, column));
            ++handled;
        }
    }
    RefreshCounts();
    return blocked;
}

int CBoard::TakePiece(int nIndex, int nTakenBy) {
    if (!IsIndex(nIndex) || !m_pieces[nIndex].IsUntaken()) return 0;
    if (nTakenBy != kTakenByOne && nTakenBy != kTakenByTwo) return 0;
    m_pieces[nIndex].m_nTakenBy = nTakenBy;
    return 1 + m_pieces[nIndex].m_nTakenNeighbours;
}

int CBoard::CaseResult(int nCase) const {
    return nCase >= 1 && nCase <= kCases ? m_nCaseResults[nCase - 1] : kNoResult;
}

CBestPiece CBoard::FindBestPiece(int a, int b, int c) {
    m_nCaseResults.fill(kNoResult);
    m_bCaseValid.fill(false);
    const COperatorFlags flags{m_bAdd, m_bSubtract, m_bMultiply, m_bDivide, m_bPositiveOnly};
    CCaseEnumerator::Enumerate(flags, a, b, c, m_nCaseResults, m_bCaseValid);

    CBestPiece best;
    int nCase = kUnset;
    const int ranked = ScanRanked(nCase);
    if (ranked == kUnset) return best;
    best.m_bFound = true;
    best.m_nRankedIndex = ranked;
    best.m_nBoardIndex = m_ranked[ranked];
    best.m_nCase = nCase;
    return best;
}

int CBoard::ScanRanked(int& nCase) const {
    // The scan asks, piece by piece in rank order, for the lowest case giving
    // its value. A value window indexed directly answers that in one step;
    // the few results outside it (never reached by numbers 0..10) are kept in
    // case order and searched for values outside the window. The answer is
    // the same as comparing every piece with all 104 cases.
    constexpr int kLow = -1024;
    constexpr int kWidth = 2048;
    std::uint8_t lowestCase[kWidth] = {};
    int outsideCase[kCases];
    int nOutside = 0;
    for (int k = 1; k <= kCases; ++k) {
        if (!m_bCaseValid[k - 1]) continue;
        const int v = m_nCaseResults[k - 1];
        if (v < kLow || v >= kLow + kWidth) {
            outsideCase[nOutside++] = k;
        } else if (lowestCase[v - kLow] == 0) {
            lowestCase[v - kLow] = static_cast<std::uint8_t>(k);
        }
    }
    for (int i = 0; i < kCells; ++i) {
        const int index = m_ranked[i];
        if (index == kUnset || !m_pieces[index].IsUntaken()) continue;
        const int value = m_pieces[index].m_nValue;
        if (value >= kLow && value < kLow + kWidth) {
            if (lowestCase[value - kLow] != 0) {
                nCase = lowestCase[value - kLow];
                return i;
            }
            continue;
        }
        for (int j = 0; j < nOutside; ++j) {
            if (m_nCaseResults[outsideCase[j] - 1] == value) {
                nCase = outsideCase[j];
                return i;
            }
        }
    }
    return kUnset;
}
