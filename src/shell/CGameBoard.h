#pragma once

#include <QBrush>
#include <QList>
#include <QWidget>
#include <array>

#include "game/CBoard.h"
#include "platform/CCueTimer.h"

class CGamePiece;
class CTile;
class IGameBoardOwner;
class IRandom;
class ISound;

// The board window: 5 rows of 7 cells, each a piece button with a tile at the
// same place that replaces it once the piece is taken or blocked. It shows the
// rules model it holds, blinks the pieces a move may take, and plays the take
// with its sounds; the owner is told of a completed take and does the scoring.
class CGameBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 89;
    static constexpr int kCellHeight = 54;
    static constexpr int kBlinkMs = 500;

    explicit CGameBoard(ISound& sound, QWidget* parent = nullptr);
    ~CGameBoard() override;

    // Not owned; without an owner a click is refused.
    void SetOwner(IGameBoardOwner* pOwner) { m_pOwner = pOwner; }
    CBoard& Model() { return m_board; }
    const CBoard& Model() const { return m_board; }

    // Cell of a board index in the board's coordinates.
    static QRect CellRect(int nIndex);
    // Null when the cell has no piece.
    CGamePiece* Piece(int nIndex) const;
    CTile* Tile(int nIndex) const;

    // Loads "data\" + name. False, and the old board stays, when the file
    // cannot be opened.
    bool LoadBoard(const QString& name);
    void ClearHighlights();
    // Clears the highlights and blinks this one piece grey (bGrey) or red.
    // Returns it, or null when the cell has no piece.
    CGamePiece* HighlightPiece(int nIndex, bool bGrey);
    // Clears the highlights and blinks grey every untaken piece of this value.
    void HighlightValue(int nValue);
    // The taken or blocked neighbours of a cell. With bFlash their tiles turn
    // green one by one, each followed by "data\warble.wav" when bSound is on.
    int CountTakenNeighbours(int nRow, int nColumn, bool bFlash, bool bSound);
    void RefreshCounts();
    void BlockRandomCells(int nCount, IRandom& random);
    // A click on the piece of this cell: takes it when the move allows it,
    // otherwise plays "data\no.wav".
    void OnPieceClicked(int nIndex);

    // Starts the blink timer; OnTimer is one tick of it. Ticks wait while a
    // synchronous cue plays, so nothing blinks during a take's sounds.
    void StartBlinking();
    void OnTimer();

    QSize sizeHint() const override;

    bool m_bHighlight = false;        // a click can take a piece only while this is on
    QList<CGamePiece*> m_selectable;  // blink grey: pieces that may be taken
    QList<CGamePiece*> m_warning;     // blink red: a piece being pointed out
    QBrush m_brEnabled;               // control colour of enabled pieces
    QBrush m_brDisabled;              // control colour of greyed pieces

private:
    void DestroyCells();
    void CreateCell(int nIndex);
    // Hides the piece and shows its tile with the bitmap; bNow repaints at once,
    // before a synchronous sound holds the thread.
    void ShowTile(int nIndex, int nBitmap, bool bNow);
    void Refuse();
    bool IsSoundOn() const;

    CBoard m_board;
    ISound& m_sound;
    IGameBoardOwner* m_pOwner = nullptr;
    std::array<std::array<CGamePiece*, kColumns>, kRows> m_pieces{};
    std::array<std::array<CTile*, kColumns>, kRows> m_markers{};
    CCueTimer m_timer;
    // A take is playing its sounds. Mouse and keys wait until they are over, but
    // a click that is not user input (an animated click, as assistive tools
    // press buttons) fires from a timer meanwhile; it is dropped.
    bool m_bTaking = false;
};
