#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

#include "game/CBoard.h"
#include "game/CCaseTable.h"
#include "platform/CDialogBuilder.h"
#include "play/CGameDlg.h"
#include "play/GameFixture.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"
#include "support/CScriptedUser.h"
#include "support/CSoundRecorder.h"

// The main window, shown and active, on a board of ten pieces in the top rows of
// its own (cell 0 stays empty: blocking draws of 0 land there), with draws and
// answers scripted and sounds recorded; and a user who plays it by clicks and
// timer ticks. Started, it holds a one-player game of ten pieces for Ann.
class CGameDriver {
public:
    explicit CGameDriver(bool bStart = true) {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        if (!QTest::qWaitForWindowActive(&dlg)) qWarning("the main window is not active");
        if (!bStart) return;
        players.Seat(0, "Ann");
        CGameOptions options;
        options.m_nPieces = 10;
        options.m_strName1 = "Ann";
        options.m_bShowQuickInstructions = false;
        dlg.Game().StartGame(options);
        // The first paint, which finds the game started and opens nothing.
        for (int i = 0; i < 500 && dlg.Commands().IsBusy(); ++i) QTest::qWait(10);
    }

    CBoardFolder folder{BoardText({-1, 14, 7, 12, 30, 1, 100, 9, 20, 5, 50})};
    CTestPlayers players;
    CSoundRecorder sound;
    CQueueRandom random;
    CScriptedUser user;
    CGameDlg dlg{players.m_app, sound, random, players.m_clock};

    QPushButton* Button(int id) const { return CDialogBuilder::ControlAs<QPushButton>(dlg, id); }
    QPushButton* Number(int k) const {
        return Button(k < 3 ? CGameDlg::IdNumber0 + k : CGameDlg::IdFirstResult);
    }
    QPushButton* Slot(int s) const { return Button(CGameDlg::IdSlot0 + s); }
    COperatorButton* Operator(int nRow) const {
        return CDialogBuilder::ControlAs<COperatorButton>(dlg, CGameDlg::IdOperator0 + nRow);
    }
    QString Text(int nId) const {
        QWidget* control = CDialogBuilder::Control(dlg, nId);
        return control ? control->property("text").toString() : QString();
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) dlg.OnTimer();
    }
    void Deal() { Ticks(15); }
    void ClickPiece(int nIndex) {
        if (CGamePiece* piece = dlg.Board().Piece(nIndex)) Click(piece);
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
        return WeakerMove(dlg.Game().Board(), dlg.Game().State().m_nBestNeighbours);
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
    using Pred = std::function<bool(CBoard&, const CBestPiece&)>;
    std::optional<std::array<int, 3>> FindDeal(const Pred& pred) const {
        CBoard board = dlg.Game().Board();
        for (int a = 0; a <= 10; ++a)
            for (int b = 0; b <= 10; ++b)
                for (int c = 0; c <= 10; ++c)
                    if (pred(board, board.FindBestPiece(a, b, c))) return std::array{a, b, c};
        return std::nullopt;
    }
    void DealWhere(const Pred& pred) {
        const auto numbers = FindDeal(pred);
        QVERIFY(numbers);
        random.Deal((*numbers)[0], (*numbers)[1], (*numbers)[2]);
        Deal();
    }

    // The deal's best move: composed and taken by a person, or the computer's piece clicked.
    void PlayBest() {
        if (!dlg.Game().IsComputersTurn()) Compose(dlg.Game().State().m_nBestCase);
        ClickPiece(dlg.Game().State().m_nBestPiece);
    }
};
