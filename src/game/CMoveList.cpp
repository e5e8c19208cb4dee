#include "game/CMoveList.h"

#include "game/CArithmetic.h"
#include "game/CCaseTable.h"

void CMoveList::Equations(int nCase, int a, int b, int c, std::string& first, std::string& second) {
    first.clear();
    second.clear();
    const std::optional<CCaseEntry> entry = CCaseTable::Entry(nCase);
    if (!entry) return;
    int numbers[4] = {a, b, c, 0};
    const CArithmeticResult one = CArithmetic::Apply(entry->m_cFirst, numbers[entry->m_nSlot[0]],
                                                     numbers[entry->m_nSlot[1]]);
    if (!one.IsOk()) return;
    numbers[3] = one.m_nValue;
    const CArithmeticResult two = CArithmetic::Apply(entry->m_cSecond, numbers[entry->m_nSlot[2]],
                                                     numbers[entry->m_nSlot[3]]);
    if (!two.IsOk()) return;
    const auto row = [&numbers](int x, char op, int y, int result) {
        return std::to_string(numbers[x]) + " " + op + " " + std::to_string(numbers[y]) + " = " +
               std::to_string(result);
    };
    first = row(entry->m_nSlot[0], entry->m_cFirst, entry->m_nSlot[1], one.m_nValue);
    second = row(entry->m_nSlot[2], entry->m_cSecond, entry->m_nSlot[3], two.m_nValue);
}

std::vector<CMove> CMoveList::For(CBoard board, int a, int b, int c) {
    std::vector<CMove> moves;
    board.FindBestPiece(a, b, c);  // fills the search table
    for (int index : board.Ranked()) {
        const CPiece& piece = board.Piece(index);
        // As the search: a piece taken since the last count is passed over.
        if (index == kUnset || !piece.IsUntaken()) continue;
        for (int nCase = 1; nCase <= kCases; ++nCase) {
            if (board.CaseResult(nCase) != piece.m_nValue) continue;
            CMove move{index, piece.m_nValue, piece.m_nTakenNeighbours + 1, nCase, {}, {}};
            Equations(nCase, a, b, c, move.m_strFirst, move.m_strSecond);
            moves.push_back(move);
            break;
        }
    }
    return moves;
}
