#pragma once

#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

#include "game/CBoard.h"
#include "game/CCaseTable.h"
#include "platform/CDialogBuilder.h"
#include "play/CGameDlg.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"

// Plays the main window as a user would: clicks its buttons and pieces and
// ticks its timer.
class CGameDriver {
public:
    explicit CGameDriver(CGameDlg& dlg) : m_dlg(dlg) {}

    QPushButton* Button(int id) const { return CDialogBuilder::ControlAs<QPushButton>(m_dlg, id); }
    QPushButton* Number(int k) const {
        return Button(k < 3 ? CGameDlg::IdNumber0 + k : CGameDlg::IdFirstResult);
    }
    QPushButton* Slot(int s) const { return Button(CGameDlg::IdSlot0 + s); }
    COperatorButton* Operator(int nRow) const {
        return CDialogBuilder::ControlAs<COperatorButton>(m_dlg, CGameDlg::IdOperator0 + nRow);
    }
    QString Text(int nId) const {
        QWidget* control = CDialogBuilder::Control(m_dlg, nId);
        return control ? control->property("text").toString() : QString();
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) m_dlg.OnTimer();
    }
    void Deal() { Ticks(15); }
    void ClickPiece(int nIndex) {
        if (CGamePiece* piece = m_dlg.Board().Piece(nIndex)) Click(piece);
    }

    // Writes case k's equation: operators clicked round to the case's, numbers in
    // slot order. False when an operator is not offered or a number is not enabled.
    bool Compose(int nCase) {
        const std::optional<CCaseEntry> found = CCaseTable::Entry(nCase);
        if (!found) return false;
        for (int s = 3; s >= 0; --s)
            if (Slot(s)->isEnabled()) Click(Slot(s));
        const char ops[2] = {found->m_cFirst, found->m_cSecond};
        for (int row = 0; row < 2; ++row) {
            for (int i = 0; i < 4 && Operator(row)->GetOperator() != ops[row]; ++i)
                Click(Operator(row));
            if (Operator(row)->GetOperator() != ops[row]) return false;
        }
        for (int s = 0; s < 4; ++s) {
            QPushButton* number = Number(found->m_nSlot[s]);
            if (!number->isEnabled()) return false;
            Click(number);
        }
        return true;
    }

    // A case reaching an untaken piece worth less than the best one, with that piece.
    std::optional<std::pair<int, int>> WeakerMove() const {
        return WeakerMove(m_dlg.Game().Board(), m_dlg.Game().State().m_nBestNeighbours);
    }
    static std::optional<std::pair<int, int>> WeakerMove(const CBoard& board, int nBestNeighbours) {
        for (int nCase = 1; nCase <= kCases; ++nCase) {
            const std::optional<int> value = board.CaseResult(nCase);
            for (int index = 0; value && index < kCells; ++index) {
                const CPiece& piece = board.Piece(index);
                if (piece.IsUntaken() && piece.m_nValue == *value &&
                    piece.m_nTakenNeighbours < nBestNeighbours)
                    return std::pair{nCase, index};
            }
        }
        return std::nullopt;
    }

    // Numbers a, b, c for which pred holds on the board as it stands (tried on a copy).
    std::optional<std::array<int, 3>> FindDeal(
        const std::function<bool(CBoard&, const CBestPiece&)>& pred) const {
        CBoard board = m_dlg.Game().Board();
        for (int a = 0; a <= 10; ++a)
            for (int b = 0; b <= 10; ++b)
                for (int c = 0; c <= 10; ++c)
                    if (pred(board, board.FindBestPiece(a, b, c))) return std::array{a, b, c};
        return std::nullopt;
    }

    // The deal's best move: composed and taken by a person, or the computer's piece clicked.
    void PlayBest() {
        const CGameState::SState& state = m_dlg.Game().State();
        if (!m_dlg.Game().IsComputersTurn()) Compose(state.m_nBestCase);
        ClickPiece(state.m_nBestPiece);
    }

private:
    CGameDlg& m_dlg;
};
