#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/CPiece.h"
#include "game/GameConstants.h"

class IRandom;

// What FindBestPiece found. When m_bFound is false the other fields stay -1.
struct CBestPiece {
    bool m_bFound = false;
    int m_nRankedIndex = kUnset;  // position in m_ranked
    int m_nBoardIndex = kUnset;   // m_ranked[m_nRankedIndex], 0..34
    int m_nCase = kUnset;         // 1..104, the lowest case reaching the piece's value
};

// The board as the rules see it: 35 cells (index = 7 * row + column, row 0..4
// from the top, column 0..6 from the left), the operator flags of the game,
// the ranking of untaken pieces and the search table. No Qt: the board window
// holds one CBoard and draws it. A copyable value, so a search or a "what if"
// can play on a copy.
//
// Order of calls in a game: LoadFile (or LoadText/LoadLines) -> RefreshCounts
// -> BlockRandomCells (refreshes itself) -> per turn FindBestPiece on each
// dealt set, TakePiece on a move, RefreshCounts after every move or pass.
//
// The search is FindBestPiece here: CCaseEnumerator computes the 104 shapes
// into m_nCaseResults, then the ranking is scanned. CCaseTable turns a case
// number back into operators and slots; CArithmetic is the arithmetic of one
// equation row with its two division rules.
class CBoard {
public:
    CBoard() = default;

    // ---- board files -------------------------------------------------------
    // One line per cell in board-index order; lines after the 35th are ignored.
    // Each line is trimmed; without a comma the cell stays empty. With pos the
    // position of the first comma: caption = the first pos - 1 characters (the
    // character before the comma is a filler and dropped), value = the caption
    // read like atoi (saturated to 32 bits), second number = the last pos
    // characters of the trimmed line read the same way.
    // Loading replaces every piece, sets the search table to -1000 and refreshes
    // the counts. A file that cannot be opened (or is not a regular file)
    // returns false and changes nothing.
    bool LoadFile(const std::string& path);
    void LoadText(const std::string& text);  // lines separated by '\n' (a '\r' is trimmed)
    void LoadLines(const std::vector<std::string>& lines);

    // ---- cells -------------------------------------------------------------
    static bool IsIndex(int nIndex) { return nIndex >= 0 && nIndex < kCells; }
    static int Index(int nRow, int nColumn) { return kColumns * nRow + nColumn; }
    bool HasPiece(int nIndex) const { return IsIndex(nIndex) && m_pieces[nIndex].m_bExists; }
    // The cell's piece; an index outside 0..34 gives an empty cell.
    const CPiece& Piece(int nIndex) const;
    int UntakenCount() const;

    // Neighbours looked at in this order: up-left, up, up-right, left, right,
    // down-left, down, down-right (only those inside the grid). A neighbour
    // counts when it has a piece whose m_nTakenBy is not 0. onCounted, when
    // given, is called with each counted neighbour's board index in that order,
    // so the window can flash them one by one.
    int CountTakenNeighbours(int nRow, int nColumn) const;
    int CountTakenNeighbours(int nRow, int nColumn,
                             const std::function<void(int nIndex)>& onCounted) const;

    // Recounts every untaken piece's m_nTakenNeighbours, sets m_bAllTaken and
    // ranks the untaken pieces into m_ranked (highest count first; the packing
    // and gap passes fix the order of equal counts).
    void RefreshCounts();

    // Blocks cells drawn from random (two draws per cell: row, then column).
    // A draw on an empty cell counts as handled, one on a taken or blocked cell
    // is repeated. Stops early when no untaken piece is left. Refreshes the
    // counts afterwards. Returns the indexes blocked, in order.
    std::vector<int> BlockRandomCells(int nCount, IRandom& random);

    // Marks an untaken piece as taken (m_nTakenBy := nTakenBy, 1 or 2) and returns
    // its points, 1 + m_nTakenNeighbours of the last refresh; 0 and nothing
    // changes when the cell has no untaken piece or nTakenBy is not 1 or 2.
    // The caller runs RefreshCounts when the move has ended.
    int TakePiece(int nIndex, int nTakenBy);

    // ---- search ------------------------------------------------------------
    // Fills m_nCaseResults for a, b, c with every case whose operators are all
    // allowed (sign rules and division guards applied), then scans m_ranked
    // from the front and, per piece, cases 1..104; the first match wins.
    CBestPiece FindBestPiece(int a, int b, int c);
    // m_nCaseResults entry of case 1..104; -1000 for none or outside 1..104.
    int CaseResult(int nCase) const;

    // ---- state (names as the game's design uses them) ----------------------
    std::array<CPiece, kCells> m_pieces{};
    // After RefreshCounts: board indexes of the untaken pieces, packed at the
    // front in rank order; -1 entries follow.
    std::array<int, kCells> m_ranked = FilledArray<kCells>(kUnset);
    bool m_bAllTaken = true;

    bool m_bAdd = true;
    bool m_bSubtract = true;
    bool m_bMultiply = true;
    bool m_bDivide = true;
    bool m_bPositiveOnly = false;  // sign mode 0: no negative first row in the search
    int m_nCurrentPlayer = 0;      // 0 player one, 1 player two or the computer

    // Search table: entry k - 1 holds case k's result, -1000 when none.
    std::array<int, kCases> m_nCaseResults = FilledArray<kCases>(kNoResult);

private:
    template <std::size_t N>
    static constexpr std::array<int, N> FilledArray(int nValue) {
        std::array<int, N> a{};
        for (auto& x : a) x = nValue;
        return a;
    }
    template <typename F>
    int ForEachTakenNeighbour(int nRow, int nColumn, F&& onCounted) const;
    int ScanRanked(int& nCase) const;

    // Which cases hold a result this time; keeps a piece of value -1000 from
    // matching a case that gave none.
    std::array<bool, kCases> m_bCaseValid{};
};
