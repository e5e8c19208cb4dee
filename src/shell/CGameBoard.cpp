#include "shell/CGameBoard.h"

#include <QKeyEvent>
#include <cstdlib>

#include "shell/CAppPalette.h"
#include "shell/CBoardAccessible.h"
#include "shell/CGamePiece.h"
#include "shell/CSystemColors.h"
#include "shell/CTile.h"

namespace {

const QColor kGreyBlink(128, 128, 128);
const QColor kRedBlink(255, 0, 0);

void ToggleBlink(CGamePiece* piece, const QColor& blinkColor) {
    piece->m_bBlink = !piece->m_bBlink;
    piece->SetFaceColor(piece->m_bBlink ? blinkColor : CSystemColors::ButtonFace());
}

}  // namespace

CGameBoard::CGameBoard(QWidget* parent)
    : QWidget(parent),
      m_brEnabled(CAppPalette::Brush(CAppPalette::LightYellow)),
      m_brDisabled(QColor(255, 0, 0)),
      m_timer(kBlinkMs, [this] { OnTimer(); }) {
    // Screen readers see the board as a table of its cells.
    CBoardAccessible::Install();
}

CGameBoard::~CGameBoard() {
    SetHighlights({}, {});
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
    return CBoard::IsIndex(nIndex) ? m_pieces[std::size_t(nIndex)] : nullptr;
}

CTile* CGameBoard::Tile(int nIndex) const {
    return CBoard::IsIndex(nIndex) ? m_markers[std::size_t(nIndex)] : nullptr;
}

QWidget* CGameBoard::CellWidget(int nIndex) const {
    CGamePiece* piece = Piece(nIndex);
    if (piece && !piece->isHidden()) return piece;
    if (CTile* tile = Tile(nIndex)) return tile;
    return piece;
}

int CGameBoard::IndexOf(const QWidget* pCell) const {
    for (int index = 0; pCell && index < kCells; ++index) {
        if (m_pieces[std::size_t(index)] == pCell || m_markers[std::size_t(index)] == pCell)
            return index;
    }
    return -1;
}

void CGameBoard::Rebuild() {
    // The highlight lists point at the pieces about to go.
    SetHighlights({}, {});
    DestroyCells();
    for (int index = 0; m_pBoard && index < kCells; ++index) {
        if (m_pBoard->HasPiece(index)) CreateCell(index);
    }
}

void CGameBoard::DestroyCells() {
    for (int index = 0; index < kCells; ++index) {
        CGamePiece*& piece = m_pieces[std::size_t(index)];
        CTile*& tile = m_markers[std::size_t(index)];
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
    auto* piece = new CGamePiece(CGamePiece::kFirstId + nIndex, m_pBoard->Piece(nIndex),
                                 &m_brEnabled, &m_brDisabled, this);
    piece->setGeometry(CellRect(nIndex));
    connect(piece, &CGamePiece::clicked, this, [this, nIndex] {
        if (m_fnClicked) m_fnClicked(nIndex);
    });
    piece->show();
    auto* tile = new CTile(this);
    tile->setGeometry(CellRect(nIndex));
    m_pieces[std::size_t(nIndex)] = piece;
    m_markers[std::size_t(nIndex)] = tile;
}

QList<CGamePiece*> CGameBoard::Pieces(const std::vector<int>& indexes) const {
    QList<CGamePiece*> pieces;
    for (int index : indexes) {
        if (CGamePiece* piece = Piece(index)) pieces.append(piece);
    }
    return pieces;
}

void CGameBoard::SetHighlights(const std::vector<int>& selectable, const std::vector<int>& warning) {
    // The pieces keep their blink phase; only the colour returns at once.
    for (CGamePiece* piece : m_selectable + m_warning) piece->SetFaceColor(CSystemColors::ButtonFace());
    m_selectable = Pieces(selectable);
    m_warning = Pieces(warning);
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

void CGameBoard::ShowTakenTiles(int nBitmap) {
    for (int index = 0; m_pBoard && index < kCells; ++index) {
        if (m_pBoard->Piece(index).IsTaken()) ShowTile(index, nBitmap, false);
    }
}

void CGameBoard::StartBlinking() {
    m_timer.Start();
}

void CGameBoard::OnTimer() {
    for (CGamePiece* piece : m_selectable) ToggleBlink(piece, kGreyBlink);
    for (CGamePiece* piece : m_warning) ToggleBlink(piece, kRedBlink);
}

bool CGameBoard::CanFocus(int nIndex) const {
    const CGamePiece* piece = Piece(nIndex);
    return piece && !piece->isHidden() && piece->isEnabled();
}

bool CGameBoard::FocusPiece(int nIndex) {
    if (!CanFocus(nIndex)) return false;
    Piece(nIndex)->setFocus(Qt::TabFocusReason);
    return true;
}

int CGameBoard::FocusedIndex() const {
    // The window's focus, kept while another window is active (a box, the help).
    const QWidget* focused = window()->focusWidget();
    for (int index = 0; index < kCells; ++index) {
        if (focused && m_pieces[std::size_t(index)] == focused) return index;
    }
    return -1;
}

bool CGameBoard::MoveFocus(int nRows, int nColumns) {
    const int from = FocusedIndex();
    if (from < 0) {
        for (int index = 0; index < kCells; ++index)
            if (FocusPiece(index)) return true;
        return false;
    }
    const int row = from / kColumns;
    const int column = from % kColumns;
    if (nRows == 0) {
        for (int c = column + nColumns; c >= 0 && c < kColumns; c += nColumns)
            if (FocusPiece(row * kColumns + c)) return true;
        return false;
    }
    // Up or down: the nearest row with a piece, and in it the nearest column
    // (the left one of two as near), so gaps in a column do not stop the move.
    for (int r = row + nRows; r >= 0 && r < kRows; r += nRows) {
        int best = -1;
        for (int c = 0; c < kColumns; ++c) {
            if (CanFocus(r * kColumns + c) && (best < 0 || std::abs(c - column) < std::abs(best - column)))
                best = c;
        }
        if (best >= 0) return FocusPiece(r * kColumns + best);
    }
    return false;
}

bool CGameBoard::FocusNextSelectable() {
    const int from = FocusedIndex();
    CGamePiece* first = nullptr;
    CGamePiece* next = nullptr;
    for (CGamePiece* piece : m_selectable) {
        const int index = piece->m_nId - CGamePiece::kFirstId;
        if (!CanFocus(index)) continue;
        if (!first || index < first->m_nId - CGamePiece::kFirstId) first = piece;
        if (index > from && (!next || piece->m_nId < next->m_nId)) next = piece;
    }
    CGamePiece* target = next ? next : first;
    if (!target) return false;
    target->setFocus(Qt::TabFocusReason);
    return true;
}

void CGameBoard::keyPressEvent(QKeyEvent* event) {
    static const struct {
        int key, rows, columns;
    } kMoves[] = {{Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}, {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}};
    if (!(event->modifiers() & ~Qt::KeypadModifier)) {
        for (const auto& move : kMoves) {
            if (event->key() != move.key) continue;
            MoveFocus(move.rows, move.columns);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
