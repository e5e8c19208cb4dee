#include <QTreeWidget>

#include "play/CHintDlg.h"
#include "play/CMoveCoachWnd.h"
#include "shell/CGameSetupDlg.h"
#include "support/CGameDriver.h"

namespace {

using Cue = CSoundRecorder::Cue;
const Cue kNo{"data\\no.wav", ESoundMode::Async};
const Cue kWarble{"data\\warble.wav", ESoundMode::Sync};

const auto Obtainable = [](CBoard&, const CBestPiece& best) { return best.m_bFound; };
const auto Nothing = [](CBoard&, const CBestPiece& best) { return !best.m_bFound; };
// Some case reaches an untaken piece worth fewer points than the best.
bool WithWeakerMove(CBoard& board, const CBestPiece& best) {
    return best.m_bFound &&
           CGameDriver::WeakerMove(board, board.Piece(best.m_nBoardIndex).m_nTakenNeighbours);
}

}  // namespace

// The main window played through its buttons and pieces, offscreen.
class TestGameDlg : public QObject {
    Q_OBJECT

private slots:
    void aWholeOnePlayerGame() {
        CGameDriver d;
        // Ann writes (3 + 4) * 2 and takes the 14.
        d.random.Deal(3, 4, 2);
        d.Deal();
        for (int k : {0, 1, 3, 2}) d.Click(d.Number(k));
        for (int i = 0; i < 2; ++i) d.Click(d.Operator(1));
        d.ClickPiece(1);
        QCOMPARE(d.Text(CGameDlg::IdTurn), QString("Computer's turn"));
        // The move coach marks the 14 played.
        d.dlg.ShowAllMoves();
        const QTreeWidget* moves = d.dlg.MoveCoach()->List();
        QCOMPARE(moves->findItems("played", Qt::MatchContains, 5).value(0)->text(0), QString("14"));

        // The computer's piece blinks and its click completes the move.
        d.DealWhere(Obtainable);
        d.PlayBest();

        // A confirmed pass with a piece on offer, the better move declined; the
        // coach shows nothing while Ann composes.
        d.DealWhere(Obtainable);
        QCOMPARE(moves->topLevelItemCount(), 0);
        d.user.m_answers = {true, false};
        d.Click(d.Button(CGameDlg::IdPass));
        QVERIFY(d.user.Saw("Confirm Pass: Are you sure you want to pass?"));
        QVERIFY(d.user.Saw("Better Move: There was a better move.\nWould you like to see it?"));

        d.DealWhere(Nothing);  // the computer passes

        // Both hints, then a weaker move and the better one shown in red.
        d.DealWhere(WithWeakerMove);
        const int before = d.dlg.Game().State().m_nScore[0];
        d.user.m_hints = {CHintDlg::kOperators, CHintDlg::kOptimal};
        for (int i = 0; i < 2; ++i) d.Click(d.Button(CGameDlg::IdHint));
        QCOMPARE(d.Text(CGameDlg::IdScore0), QString::number(before - 4));
        const auto weaker = d.WeakerMove();
        QVERIFY(weaker);
        QString turnDuringBetterMove;
        const int best = d.dlg.Game().State().m_nBestPiece;
        d.user.m_onLog = [&](const std::string& line) {
            if (line != "Better Move: Continue the game.") return;
            turnDuringBetterMove = d.Text(CGameDlg::IdTurn);
            QVERIFY(d.dlg.Board().m_warning.contains(d.dlg.Board().Piece(best)));
            d.ClickPiece(best);  // shown in red, not to be taken
        };
        d.user.m_answers = {true};
        QVERIFY(d.Compose(weaker->first));
        d.ClickPiece(weaker->second);
        QCOMPARE(turnDuringBetterMove, QString("Better Move"));
        QVERIFY(d.dlg.Game().Board().Piece(best).IsUntaken());

        // The rest: best moves, passes when nothing is there, to the end. Exit
        // typed at the game-over box quits once it is closed: no next game opens.
        std::array<int, 2> final{};
        std::string gameOver;
        d.user.m_onLog = [&](const std::string& line) {
            if (line.rfind("Game Over: ", 0) != 0) return;
            gameOver = line;
            final = d.dlg.Game().State().m_nScore;
            d.user.m_answers = {true};
            d.dlg.RequestQuit();
            QVERIFY(!d.user.Saw("Confirmation: Are you sure you want to quit?"));
        };
        // Each take flashes its taken neighbours, each with a warble.
        int neighbours = 0;
        d.sound.Clear();
        for (int turn = 0; turn < 40 && gameOver.empty(); ++turn) {
            if (d.FindDeal(Obtainable)) {
                d.DealWhere(Obtainable);
                neighbours += d.dlg.Game().State().m_nBestNeighbours;
                d.PlayBest();
            } else {
                d.DealWhere(Nothing);
                if (!d.dlg.Game().IsComputersTurn()) d.Click(d.Button(CGameDlg::IdPass));
            }
        }
        const std::string expected = final[0] > final[1]   ? "Game Over: Ann is the winner!"
                                     : final[1] > final[0] ? "Game Over: Computer is the winner!"
                                                           : "Game Over: It is a tie!";
        QCOMPARE(gameOver, expected);
        QCOMPARE(int(std::count(d.sound.Cues().begin(), d.sound.Cues().end(), kWarble)), neighbours);
        QCOMPARE(d.user.m_log.back(), std::string("Confirmation: Are you sure you want to quit?"));
        QVERIFY(!d.dlg.isVisible());
        const auto ann = d.players.Saved("Ann");
        QVERIFY(ann);
        QCOMPARE(ann->m_records.size(), std::size_t(1));  // no next game was started
    }

    // Before the first game the band keeps the template's names and no score is read out.
    void theNamesBandShowsPlayerOneAndTwoBeforeTheFirstGame() {
        const CGameDriver d(false);
        QCOMPARE(d.Text(CGameDlg::IdName0) + d.Text(CGameDlg::IdName1), QString("Player OnePlayer Two"));
        QCOMPARE(CDialogBuilder::Control(d.dlg, CGameDlg::IdScore0)->accessibleName(), QString());
    }

    // New Game typed while a pass waits on its boxes: the pass, and the missed
    // move it leads to, are the old game's; the new game starts after them.
    void aNewGameTypedDuringATurnWaitsForIt() {
        CGameDriver d;
        d.DealWhere(Obtainable);
        d.user.m_answers = {true, false};
        d.user.m_onLog = [&](const std::string& line) {
            if (line.rfind("Confirm Pass", 0) == 0) d.dlg.RequestNewGame(false);
            if (line.rfind("Tallyfold! Game Setup", 0) != 0) return;
            QVERIFY(d.user.Saw("Better Move: There was a better move.\nWould you like to see it?"));
            // A game is in progress: the setup offers Cancel.
            auto* setup = d.dlg.findChild<CGameSetupDlg*>();
            QVERIFY(setup && CDialogBuilder::Control(*setup, CModal::IdCancel)->isVisibleTo(setup));
        };
        d.Click(d.Button(CGameDlg::IdPass));
        QVERIFY(d.user.Saw("Tallyfold! Game Setup: "));
        std::vector<int> passes;  // with the moves missed, in the old game and the new one
        for (const auto& record : d.players.m_app.m_pPlayers[0]->m_records)
            passes.push_back(Stats(record).m_nPasses + Stats(record).m_nMissedMoves);
        QCOMPARE(passes, (std::vector<int>{2, 0}));
    }

    // 7 / 2 is refused and the divisor goes back; a piece that does not blink says No.
    void aFractionGivesBackItsDivisorAndAPieceNotBlinkingIsRefused() {
        CGameDriver d;
        d.random.Deal(7, 2, 0);
        d.Deal();
        for (int k : {0, 1}) d.Click(d.Number(k));
        for (int i = 0; i < 3; ++i) d.Click(d.Operator(0));
        QVERIFY(d.user.Saw("Information: Result must NOT be a fraction."));
        QCOMPARE(d.Text(CGameDlg::IdSlot0 + 1), QString(""));
        d.sound.Clear();
        d.ClickPiece(1);
        QCOMPARE(d.sound.Cues(), std::vector<Cue>{kNo});
    }

    void escapeAsksBeforeItQuits() {
        CGameDriver d;
        QTest::keyClick(&d.dlg, Qt::Key_Escape);
        QVERIFY(d.user.Saw("Confirmation: Are you sure you want to quit?"));
        QVERIFY(d.dlg.isVisible());
        d.user.m_answers = {true};
        QTest::keyClick(&d.dlg, Qt::Key_Escape);
        QVERIFY(!d.dlg.isVisible());
    }
};

QTEST_MAIN(TestGameDlg)
#include "tst_GameDlg.moc"
