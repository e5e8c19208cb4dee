#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/CCaseEnumerator.h"
#include "game/COperatorSet.h"
#include "game/CPiece.h"
#include "game/GameConstants.h"

class IRandom;

// What FindBestPiece found. When m_bFound is false the other fields stay -1.
struct CBestPiece {
    bool m_bFound = false;
    int m_nRankedIndex = kUnset;  // position in Ranked()
    int m_nBoardIndex = kUnset;   // Ranked()[m_nRankedIndex], 0..34
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
// into the search table, then the ranking is scanned. CCaseTable turns a case
// number back into operators and slots; CArithmetic is the arithmetic of one
// equation row with its two division rules. Only the board's own operations
// change its state; everyone else reads it.
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
    // Loading replaces every piece, empties the search table and refreshes the
    // counts. A file that cannot be opened (or is not a regular file)
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
    const std::array<CPiece, kCells>& Pieces() const { return m_pieces; }
    int UntakenCount() const;

    // Neighbours looked at in this order: up-left, up, up-right, left, right,
    // down-left, down, down-right (only those inside the grid). A neighbour
    // counts when it has a piece whose m_nTakenBy is not 0. onCounted, when
    // given, is called with each counted neighbour's board index in that order,
    // so the window can flash them one by one.
    int CountTakenNeighbours(int nRow, int nColumn) const;
    int CountTakenNeighbours(int nRow, int nColumn,
                             const std::function<void(int nIndex)>& onCounted) const;

    // Recounts every untaken piece's m_nTakenNeighbours, sets AllTaken and
    // ranks the untaken pieces into Ranked (highest count first; the packing
    // and gap passes fix the order of equal counts).
    void RefreshCounts();
    // After RefreshCounts: board indexes of the untaken pieces, packed at the
    // front in rank order; -1 entries follow.
    const std::array<int, kCells>& Ranked() const { return m_ranked; }
    // No untaken piece was left at the last RefreshCounts: the game is over.
    bool AllTaken() const { return m_bAllTaken; }

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

    // ---- the game's settings ----------------------------------------------
    const COperatorSet& Operators() const { return m_operators; }
    void SetOperators(const COperatorSet& ops) { m_operators = ops; }
    // A game of positive numbers only: the search drops negative first rows.
    bool PositiveOnly() const { return m_bPositiveOnly; }
    void SetPositiveOnly(bool bPositiveOnly) { m_bPositiveOnly = bPositiveOnly; }
    // 0 player one, 1 player two or the computer; other numbers are ignored,
    // since a move writes CurrentPlayer() + 1 into the piece it takes.
    int CurrentPlayer() const { return m_nCurrentPlayer; }
    void SetCurrentPlayer(int nPlayer);

    // ---- search ------------------------------------------------------------
    // Fills the search table for a, b, c with every case whose operators are
    // all allowed (sign rules and division guards applied), then scans the
    // ranking from the front and, per piece, cases 1..104; the first match
    // wins. A piece taken since the last RefreshCounts is passed over.
    CBestPiece FindBestPiece(int a, int b, int c);
    // The search table's result of case 1..104; none when the case gave no
    // result (a result may well be -1000) and outside 1..104.
    std::optional<int> CaseResult(int nCase) const;

private:
    template <typename F>
    int ForEachTakenNeighbour(int nRow, int nColumn, F&& onCounted) const;

    std::array<CPiece, kCells> m_pieces{};
    std::array<int, kCells> m_ranked = [] {
        std::array<int, kCells> ranked{};
        ranked.fill(kUnset);
        return ranked;
    }();
    bool m_bAllTaken = true;
    COperatorSet m_operators;
    bool m_bPositiveOnly = false;  // sign mode 0
    int m_nCurrentPlayer = 0;
    CCaseResults m_nCaseResults{};  // entry k - 1: case k; empty when none
};
