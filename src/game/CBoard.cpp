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
    m_nCaseResults = {};
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

void CBoard::SetCurrentPlayer(int nPlayer) {
    if (nPlayer == 0 || nPlayer == 1) m_nCurrentPlayer = nPlayer;
}

std::optional<int> CBoard::CaseResult(int nCase) const {
    if (nCase < 1 || nCase > kCases) return std::nullopt;
    return m_nCaseResults[nCase - 1];
}

CBestPiece CBoard::FindBestPiece(int a, int b, int c) {
    m_nCaseResults = CCaseEnumerator::Enumerate(m_operators, m_bPositiveOnly, a, b, c);

    // The cases that gave a result, in case order, beside their values, so
    // the scan compares plain integers and never sees a case without result.
    std::array<int, kCases> values;
    std::array<int, kCases> cases;
    int nCount = 0;
    for (int k = 1; k <= kCases; ++k) {
        if (!m_nCaseResults[k - 1]) continue;
        values[nCount] = *m_nCaseResults[k - 1];
        cases[nCount++] = k;
    }
    const auto first = values.begin();
    const auto last = values.begin() + nCount;
    for (int i = 0; i < kCells; ++i) {
        const int index = m_ranked[i];
        // A piece taken since the last RefreshCounts is still ranked: pass it over.
        if (index == kUnset || !m_pieces[index].IsUntaken()) continue;
        const auto match = std::find(first, last, m_pieces[index].m_nValue);
        if (match != last) return {true, i, index, cases[match - first]};
    }
    return {};
}
