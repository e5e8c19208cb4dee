#pragma once

// What the board window needs from the window that owns it (the main window):
// the state it reads when a piece is clicked, and where a completed take is
// reported. The board draws and reports; the owner scores and ends the move.
class IGameBoardOwner {
public:
    virtual ~IGameBoardOwner() = default;

    virtual bool IsSoundOn() const = 0;    // m_bSound
    virtual int Result() const = 0;        // m_nResult: the value a move may take
    virtual bool IsOnePlayer() const = 0;  // m_bOnePlayer: player two is the computer
    virtual int BestPiece() const = 0;     // m_nBestPiece: the computer's chosen index

    // A piece has been taken by nPlayer (0 or 1) and its neighbours flashed;
    // the move is worth nPoints.
    virtual void OnPieceTaken(int nPlayer, int nPoints) = 0;
};
