#include "shell/CGameBoard.h"

#include "platform/WinPath.h"
#include "shell/CAppPalette.h"
#include "shell/CBitmaps.h"
#include "shell/CGamePiece.h"
#include "shell/CSoundCues.h"
#include "shell/CSystemColors.h"
#include "shell/CTile.h"
#include "shell/IGameBoardOwner.h"

namespace {

const QColor kGreyBlink(128, 128, 128);
const QColor kRedBlink(255, 0, 0);

void ToggleBlink(CGamePiece* piece, const QColor& blinkColor) {
    piece->m_bBlink = !piece->m_bBlink;
    piece->SetFaceColor(piece->m_bBlink ? blinkColor : CSystemColors::ButtonFace());
}

}  // namespace

CGameBoard::CGameBoard(ISound& sound, QWidget* parent)
    : QWidget(parent),
      m_brEnabled(CAppPalette::Brush(CAppPalette::LightYellow)),
      m_brDisabled(QColor(255, 0, 0)),
      m_sound(sound),
      m_timer(kBlinkMs, [this] { OnTimer(); }) {}

CGameBoard::~CGameBoard() {
    ClearHighlights();
}

QRect CGameBoard::CellRect(int nIndex) {
    const int row = nIndex / kColumns;
    const int column = nIndex % kColumns;
    return QRect(1 + kCellWidth * column, 1 + kCellHeight * row, kCellWidth, kCellHeight);
}

QSize CGameBoard::sizeHint() const {
    return QSize(1 + kCellWidth * kColumns, 1 + kCellHeight * kRows);
}

CGamePiece* CGameBoard::Piece(int nIndex) const {
    return CBoard::IsIndex(nIndex) ? m_pieces[nIndex / kColumns][nIndex % kColumns] : nullptr;
}

CTile* CGameBoard::Tile(int nIndex) const {
    return CBoard::IsIndex(nIndex) ? m_markers[nIndex / kColumns][nIndex % kColumns] : nullptr;
}

bool CGameBoard::LoadBoard(const QString& name) {
    const std::string path = ToLocalPath("data\\" + name.toStdString());
    if (!m_board.LoadFile(path)) return false;
    // The highlight lists point at the pieces about to go.
    ClearHighlights();
    DestroyCells();
    for (int index = 0; index < kCells; ++index) {
        if (m_board.HasPiece(index)) CreateCell(index);
    }
    return true;
}

void CGameBoard::DestroyCells() {
    for (int index = 0; index < kCells; ++index) {
        CGamePiece*& piece = m_pieces[index / kColumns][index % kColumns];
        CTile*& tile = m_markers[index / kColumns][index % kColumns];
        // Later: a new game may be loaded from inside the click of an old piece.
        for (QWidget* cell : {static_cast<QWidget*>(piece), static_cast<QWidget*>(tile)}) {
            if (!cell) continue;
            cell->hide();
            cell->deleteLater();
        }
        piece = nullptr;
        tile = nullptr;
    }
}

void CGameBoard::CreateCell(int nIndex) {
    auto* piece = new CGamePiece(CGamePiece::kFirstId + nIndex, m_board.Piece(nIndex),
                                 &m_brEnabled, &m_brDisabled, this);
    piece->setGeometry(CellRect(nIndex));
    connect(piece, &CGamePiece::clicked, this, [this, nIndex] { OnPieceClicked(nIndex); });
    piece->show();
    auto* tile = new CTile(this);
    tile->setGeometry(CellRect(nIndex));
    m_pieces[nIndex / kColumns][nIndex % kColumns] = piece;
    m_markers[nIndex / kColumns][nIndex % kColumns] = tile;
}

void CGameBoard::ClearHighlights() {
    m_bHighlight = false;
    // The pieces keep their blink phase; only the colour returns at once.
    for (CGamePiece* piece : m_selectable) piece->SetFaceColor(CSystemColors::ButtonFace());
    for (CGamePiece* piece : m_warning) piece->SetFaceColor(CSystemColors::ButtonFace());
    m_selectable.clear();
    m_warning.clear();
}

CGamePiece* CGameBoard::HighlightPiece(int nIndex, bool bGrey) {
    ClearHighlights();
    CGamePiece* piece = Piece(nIndex);
    if (!piece) return nullptr;
    (bGrey ? m_selectable : m_warning).append(piece);
    m_bHighlight = true;
    return piece;
}

void CGameBoard::HighlightValue(int nValue) {
    ClearHighlights();
    for (int index = 0; index < kCells; ++index) {
        const CPiece& model = m_board.Piece(index);
        if (Piece(index) && model.IsUntaken() && model.m_nValue == nValue) {
            m_selectable.append(Piece(index));
        }
    }
    m_bHighlight = !m_selectable.isEmpty();
}

int CGameBoard::CountTakenNeighbours(int nRow, int nColumn, bool bFlash, bool bSound) {
    if (!bFlash) return m_board.CountTakenNeighbours(nRow, nColumn);
    return m_board.CountTakenNeighbours(nRow, nColumn, [&](int nIndex) {
        if (CTile* tile = Tile(nIndex)) {
            tile->SetBitmap(CBitmaps::TileCounted);
            tile->repaint();
        }
        CSoundCues::Play(m_sound, bSound, ECue::Warble);
    });
}

void CGameBoard::RefreshCounts() {
    m_board.RefreshCounts();
}

void CGameBoard::BlockRandomCells(int nCount, IRandom& random) {
    for (int index : m_board.BlockRandomCells(nCount, random)) {
        ShowTile(index, CBitmaps::TileBlocked, false);
    }
}

void CGameBoard::ShowTile(int nIndex, int nBitmap, bool bNow) {
    if (CGamePiece* piece = Piece(nIndex)) {
        piece->hide();
        piece->setEnabled(false);
    }
    if (CTile* tile = Tile(nIndex)) {
        tile->SetBitmap(nBitmap);
        tile->show();
        if (bNow) tile->repaint();
    }
}

void CGameBoard::OnPieceClicked(int nIndex) {
    if (m_bTaking) return;
    // A better move pointed out in red is only shown: the move is over.
    if (!m_bHighlight || !m_warning.isEmpty() || !m_pOwner || !Piece(nIndex)) return Refuse();
    const CPiece& model = m_board.Piece(nIndex);
    const bool computersTurn = m_pOwner->IsOnePlayer() && m_board.CurrentPlayer() == 1;
    if (model.m_nValue != m_pOwner->Result() ||
        (computersTurn && nIndex != m_pOwner->BestPiece())) {
        return Refuse();
    }
    const int player = m_board.CurrentPlayer();
    // Points as counted by the last refresh, before this take changes anything.
    const int points = m_board.TakePiece(nIndex, player + 1);
    if (points == 0) return Refuse();

    m_bTaking = true;
    const bool sound = IsSoundOn();
    ShowTile(nIndex, CBitmaps::TileTaken, true);
    CSoundCues::Play(m_sound, sound, ECue::Shoop);
    CountTakenNeighbours(nIndex / kColumns, nIndex % kColumns, true, sound);
    m_bTaking = false;
    m_pOwner->OnPieceTaken(player, points);
}

void CGameBoard::Refuse() {
    CSoundCues::Play(m_sound, IsSoundOn(), ECue::No);
}

bool CGameBoard::IsSoundOn() const {
    return m_pOwner && m_pOwner->IsSoundOn();
}

void CGameBoard::StartBlinking() {
    m_timer.Start();
}

void CGameBoard::OnTimer() {
    if (!m_bHighlight) return;
    for (CGamePiece* piece : m_selectable) ToggleBlink(piece, kGreyBlink);
    for (CGamePiece* piece : m_warning) ToggleBlink(piece, kRedBlink);
}
