#pragma once

#include <QBrush>
#include <QList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "game/CBoard.h"
#include "platform/CCueTimer.h"

class CGamePiece;
class CTile;

// The board window: 5 rows of 7 cells, each a piece button with a tile at the
// same place that replaces it once the piece is taken or blocked. It draws the
// rules' board, blinks the pieces it is told to and reports clicks; what a
// click does is decided by the rules.
class CGameBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 89;
    static constexpr int kCellHeight = 54;
    static constexpr int kBlinkMs = 500;

    explicit CGameBoard(QWidget* parent = nullptr);
    ~CGameBoard() override;

    // The board drawn; not owned, and it outlives this window.
    void SetModel(const CBoard* pBoard) { m_pBoard = pBoard; }
    // A click on the piece of a cell, with its board index.
    std::function<void(int nIndex)> m_fnClicked;

    // Cell of a board index in the board's coordinates.
    static QRect CellRect(int nIndex);
    // Null when the cell has no piece.
    CGamePiece* Piece(int nIndex) const;
    CTile* Tile(int nIndex) const;
    // What a cell shows: its piece, else the tile that took its place; null
    // for a cell with no piece.
    QWidget* CellWidget(int nIndex) const;
    // The board index of a piece or tile, -1 for any other widget.
    int IndexOf(const QWidget* pCell) const;

    // The model holds a new board: every cell is made again, untaken.
    void Rebuild();
    // Hides the piece and shows its tile with the bitmap; bNow repaints at once,
    // before a synchronous sound holds the thread.
    void ShowTile(int nIndex, int nBitmap, bool bNow);
    // Every taken or blocked cell shows its tile with the bitmap.
    void ShowTakenTiles(int nBitmap);
    // The pieces that blink grey (may be taken) and red (pointed out); the
    // ones no longer listed return to their colour at once.
    void SetHighlights(const std::vector<int>& selectable, const std::vector<int>& warning);

    // Starts the blink timer; OnTimer is one tick of it. Ticks wait while a
    // synchronous cue plays, so nothing blinks during a take's sounds.
    void StartBlinking();
    void OnTimer();

    // The keyboard: the focus moves to the nearest piece that can take it
    // (untaken) in a direction, or to the next grey piece after the focused
    // one; false when there is none.
    bool MoveFocus(int nRows, int nColumns);
    bool FocusNextSelectable();
    // The board index of the piece that has the focus, -1 for none.
    int FocusedIndex() const;

    QSize sizeHint() const override;

    QList<CGamePiece*> m_selectable;  // blink grey
    QList<CGamePiece*> m_warning;     // blink red
    QBrush m_brEnabled;               // control colour of enabled pieces
    QBrush m_brDisabled;              // control colour of greyed pieces

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool CanFocus(int nIndex) const;
    bool FocusPiece(int nIndex);
    void DestroyCells();
    void CreateCell(int nIndex);
    QList<CGamePiece*> Pieces(const std::vector<int>& indexes) const;

    const CBoard* m_pBoard = nullptr;
    std::array<CGamePiece*, kCells> m_pieces{};
    std::array<CTile*, kCells> m_markers{};
    CCueTimer m_timer;
};
