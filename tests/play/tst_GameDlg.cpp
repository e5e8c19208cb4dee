#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "play/CGameDlg.h"
#include "play/CGameCodeDlg.h"
#include "play/CHintDlg.h"
#include "play/CMoveCoachWnd.h"
#include "shell/CGameSetupDlg.h"
#include "play/GameFixture.h"
#include "support/CGameDriver.h"
#include "support/CScriptedUser.h"
#include "support/CSoundRecorder.h"

namespace {

using Cue = CSoundRecorder::Cue;
const Cue kShoop{"data\\shoop.wav", ESoundMode::Sync};
const Cue kUp{"data\\up.wav", ESoundMode::Sync};
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

// The main window played through its buttons and pieces, offscreen: boards of
// our own in data/, draws and answers scripted, sounds recorded.
class TestGameDlg : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_previous = QDir::currentPath();
        QDir(m_dir.path()).mkpath("data");
        QDir::setCurrent(m_dir.path());
        // Ten pieces in the top rows (cell 0 stays empty: blocking draws of 0 land there).
        QFile file("data/ASMD.A");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(BoardText({-1, 14, 7, 12, 30, 1, 100, 9, 20, 5, 50}).c_str());
        m_players = std::make_unique<CTestPlayers>();
        m_sound.Clear();
        m_random.m_draws.clear();
        m_user = std::make_unique<CScriptedUser>();
    }

    void cleanup() {
        m_drive.reset();
        m_dlg.reset();
        m_user.reset();
        QDir::setCurrent(m_previous);
    }

    void aWholeOnePlayerGame() {
        CGameDriver& d = Open();
        // Ann writes (3 + 4) * 2 and takes the 14.
        m_random.Deal(3, 4, 2);
        d.Deal();
        for (int k : {0, 1, 3, 2}) d.Click(d.Number(k));
        for (int i = 0; i < 2; ++i) d.Click(d.Operator(1));
        QCOMPARE(d.Text(CGameDlg::IdResult1), QString("7"));
        QCOMPARE(d.Text(CGameDlg::IdResult2), QString("14"));
        // TALLYFOLD_SCREENSHOT=file.png saves the window as it stands, to look at.
        if (qEnvironmentVariableIsSet("TALLYFOLD_SCREENSHOT")) {
            m_dlg->Board().OnTimer();
            m_dlg->grab().save(qEnvironmentVariable("TALLYFOLD_SCREENSHOT"));
        }
        m_sound.Clear();
        d.ClickPiece(1);
        QCOMPARE(m_sound.Cues(), (std::vector<Cue>{kShoop, kUp}));
        QCOMPARE(d.Text(CGameDlg::IdScore0), QString("1"));
        QCOMPARE(d.Text(CGameDlg::IdTurn), QString("Computer's turn"));
        // The move coach lists the turn's moves, best first, and marks the 14 played.
        m_dlg->ShowAllMoves();
        const QTreeWidget* moves = m_dlg->MoveCoach()->List();
        QCOMPARE(moves->topLevelItemCount(), int(m_dlg->Game().State().m_lastMoves.size()));
        QVERIFY(moves->topLevelItem(0)->text(5).startsWith("best"));
        QCOMPARE(moves->findItems("played", Qt::MatchContains, 5).value(0)->text(0), QString("14"));

        // The computer's piece blinks; only that one completes its move.
        DealWhere(Obtainable);
        const int chosen = m_dlg->Game().State().m_nBestPiece;
        QVERIFY(m_dlg->Board().m_selectable.contains(m_dlg->Board().Piece(chosen)));
        d.ClickPiece(chosen == 2 ? 3 : 2);
        QCOMPARE(m_sound.Cues().back(), kNo);
        d.PlayBest();
        QCOMPARE(m_dlg->Game().Board().Piece(chosen).m_nTakenBy, int(kTakenByTwo));

        // A confirmed pass with a piece on offer, the better move declined; the
        // coach shows nothing while Ann composes.
        DealWhere(Obtainable);
        QCOMPARE(moves->topLevelItemCount(), 0);
        m_user->m_answers = {true, false};
        d.Click(d.Button(CGameDlg::IdPass));
        QVERIFY(m_user->Saw("Confirm Pass: Are you sure you want to pass?"));
        QVERIFY(m_user->Saw("Better Move: There was a better move.\nWould you like to see it?"));

        DealWhere(Nothing);
        QVERIFY(m_user->Saw("Computer's Move: I'm afraid I cannot find\na move, so I must pass."));

        // Both hints, then a weaker move and the better one shown in red.
        DealWhere(WithWeakerMove);
        const int before = m_dlg->Game().State().m_nScore[0];
        m_user->m_hints = {CHintDlg::kOperators, CHintDlg::kOptimal};
        for (int i = 0; i < 2; ++i) d.Click(d.Button(CGameDlg::IdHint));
        QCOMPARE(d.Text(CGameDlg::IdScore0), QString::number(before - 4));
        const auto weaker = d.WeakerMove();
        QVERIFY(weaker);
        QString turnDuringBetterMove;
        const int best = m_dlg->Game().State().m_nBestPiece;
        m_user->m_onLog = [&](const std::string& line) {
            if (line != "Better Move: Continue the game.") return;
            turnDuringBetterMove = d.Text(CGameDlg::IdTurn);
            QVERIFY(m_dlg->Board().m_warning.contains(m_dlg->Board().Piece(best)));
            d.ClickPiece(best);  // shown in red, not to be taken
        };
        m_user->m_answers = {true};
        QVERIFY(d.Compose(weaker->first));
        d.ClickPiece(weaker->second);
        QCOMPARE(turnDuringBetterMove, QString("Better Move"));
        QVERIFY(m_dlg->Game().Board().Piece(best).IsUntaken());
        QCOMPARE(d.Text(CGameDlg::IdTurn), QString("Computer's turn"));

        // The rest: best moves, passes when nothing is there, to the end. Exit
        // typed at the game-over box quits once it is closed: no next game opens.
        std::array<int, 2> final{};
        std::string gameOver;
        m_user->m_onLog = [&](const std::string& line) {
            if (line.rfind("Game Over: ", 0) != 0) return;
            gameOver = line;
            final = m_dlg->Game().State().m_nScore;
            m_user->m_answers = {true};
            m_dlg->RequestQuit();
            QVERIFY(!m_user->Saw("Confirmation: Are you sure you want to quit?"));
        };
        // Each take flashes its taken neighbours, each with a warble.
        int neighbours = 0;
        m_sound.Clear();
        for (int turn = 0; turn < 40 && gameOver.empty(); ++turn) {
            if (d.FindDeal(Obtainable)) {
                DealWhere(Obtainable);
                neighbours += m_dlg->Game().State().m_nBestNeighbours;
                d.PlayBest();
            } else {
                DealWhere(Nothing);
                if (!m_dlg->Game().IsComputersTurn()) d.Click(d.Button(CGameDlg::IdPass));
            }
        }
        const std::string expected = final[0] > final[1]   ? "Game Over: Ann is the winner!"
                                     : final[1] > final[0] ? "Game Over: Computer is the winner!"
                                                           : "Game Over: It is a tie!";
        QCOMPARE(gameOver, expected);
        QVERIFY(neighbours > 0);
        QCOMPARE(int(std::count(m_sound.Cues().begin(), m_sound.Cues().end(), kWarble)), neighbours);
        QCOMPARE(m_user->m_log.back(), std::string("Confirmation: Are you sure you want to quit?"));
        QVERIFY(!m_dlg->isVisible());
        CGamePlayer ann(m_players->m_clock, FnMessage{}, m_players->m_files);
        ann.m_strFile = "Ann0.ply";
        QVERIFY(ann.Load("/g/players/"));
        QCOMPARE(ann.m_records.size(), std::size_t(1));  // no next game was started
        const auto& done = static_cast<const CGameStats&>(*ann.m_records.front());
        QCOMPARE(done.m_nScore, final[0]);
        QCOMPARE(done.m_nPasses * 1000 + done.m_nMissedMoves * 100 + done.m_nOptimalHints * 10 +
                     done.m_nOperatorHints,
                 1211);
        QVERIFY(done.m_bFinished);
        QCOMPARE(done.m_bDidNotWin, final[1] >= final[0]);
        QCOMPARE(done.m_strOpponent, std::string("the computer"));
    }

    // A mistyped code is refused with a message; the game's own code starts it
    // again, for the same player.
    void aGameCodeIsCheckedAndStartsItsGameAgain() {
        Open();
        const std::string code = m_dlg->Game().State().m_strCode;
        m_user->m_chooser = [&](const CModal::SRequest& request) {
            if (!request.dialog) return int(CModal::IdOk);
            auto* edit = CDialogBuilder::ControlAs<QLineEdit>(*request.dialog, CGameCodeDlg::kCodeId);
            for (const std::string& typed : {std::string("NOT A CODE"), code}) {
                edit->setText(QString::fromStdString(typed));
                CDialogBuilder::ControlAs<QAbstractButton>(*request.dialog, CModal::IdOk)->click();
            }
            return request.dialog->result();
        };
        m_dlg->RequestNewGameFromCode();
        QVERIFY(m_user->Saw("New Game from Code: \"NOT A CODE\" is not a game code. A game code has "
                            "12 letters and digits, as File > Game Code shows them."));
        QCOMPARE(m_dlg->Game().State().m_strCode, code);
        QCOMPARE(m_players->m_app.m_pPlayers[0]->m_records.size(), std::size_t(2));
    }

    void theNamesBandShowsPlayerOneAndTwoBeforeTheFirstGame() {
        CGameDlg dlg(m_players->m_app, m_sound, m_random, m_players->m_clock);
        dlg.show();
        CGameDriver d(dlg);
        QCOMPARE(d.Text(CGameDlg::IdName0) + d.Text(CGameDlg::IdName1), QString("Player OnePlayer Two"));
    }

    // New Game typed while a pass waits on its boxes: the pass, and the missed
    // move it leads to, are the old game's; the new game starts after them.
    void aNewGameTypedDuringATurnWaitsForIt() {
        CGameDriver& d = Open();
        DealWhere(Obtainable);
        m_user->m_answers = {true, false};
        m_user->m_onLog = [&](const std::string& line) {
            if (line.rfind("Confirm Pass", 0) == 0) m_dlg->RequestNewGame(false);
            if (line.rfind("Tallyfold! Game Setup", 0) != 0) return;
            QVERIFY(m_user->Saw("Better Move: There was a better move.\nWould you like to see it?"));
            // A game is in progress: the setup offers Cancel.
            auto* setup = m_dlg->findChild<CGameSetupDlg*>();
            QVERIFY(setup && CDialogBuilder::Control(*setup, CModal::IdCancel)->isVisibleTo(setup));
        };
        d.Click(d.Button(CGameDlg::IdPass));
        QVERIFY(m_user->Saw("Tallyfold! Game Setup: "));
        QCOMPARE(m_dlg->Game().CurrentPlayer(), 0);
        QCOMPARE(m_dlg->Game().State().m_nShake, 1);
        const CPlayer& ann = *m_players->m_app.m_pPlayers[0];
        QCOMPARE(ann.m_records.size(), std::size_t(2));
        const auto& old = static_cast<const CGameStats&>(*ann.m_records.front());
        QCOMPARE(old.m_nPasses + old.m_nMissedMoves, 2);
        const auto& fresh = static_cast<const CGameStats&>(*ann.m_records.back());
        QCOMPARE(fresh.m_nPasses + fresh.m_nMissedMoves, 0);
    }

    void clicksThatAreNotAllowedChangeNothing() {
        CGameDriver& d = Open();
        m_random.Deal(7, 2, 0);
        d.Ticks(3);
        const int hints = int(m_user->m_log.size());
        for (int id :
             {CGameDlg::IdNumber0, CGameDlg::IdOperator0, CGameDlg::IdHint, CGameDlg::IdPass})
            d.Click(d.Button(id));
        QCOMPARE(d.Text(CGameDlg::IdSlot0), QString(""));
        QCOMPARE(int(m_user->m_log.size()), hints);
        d.Ticks(12);
        // 7 / 2 in the first row, then 7 / 0 in the second.
        for (int k : {0, 1}) d.Click(d.Number(k));
        for (int i = 0; i < 3; ++i) d.Click(d.Operator(0));
        QVERIFY(m_user->Saw("Information: Result must NOT be a fraction."));
        QCOMPARE(d.Text(CGameDlg::IdSlot0 + 1), QString(""));
        d.Click(d.Operator(0));                        // back to +
        for (int k : {1, 3, 2}) d.Click(d.Number(k));  // 7 + 2, then 9 / 0
        for (int i = 0; i < 3; ++i) d.Click(d.Operator(1));
        QVERIFY(m_user->Saw("Division by zero error.: Unable to perform division."));
        QCOMPARE(d.Text(CGameDlg::IdSlot0 + 3), QString(""));
        m_sound.Clear();
        d.ClickPiece(1);  // nothing blinks
        QCOMPARE(m_sound.Cues(), std::vector<Cue>{kNo});
    }

    void escapeAsksBeforeItQuitsAndSavesTheRecords() {
        Open();
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(m_user->Saw("Confirmation: Are you sure you want to quit?"));
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_players->m_app.m_pPlayers[0]);
        m_user->m_answers = {true};
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(CModal::IdOk));
        QVERIFY(!m_players->m_app.m_pPlayers[0]);
        const std::string saved = m_players->m_files.m_files["/g/players/Ann0.ply"];
        QVERIFY(saved.find("the computer") != std::string::npos);
    }

private:
    CGameDriver& Open() {
        m_players->Seat(0, "Ann");
        m_dlg = std::make_unique<CGameDlg>(m_players->m_app, m_sound, m_random, m_players->m_clock);
        m_dlg->show();
        m_drive = std::make_unique<CGameDriver>(*m_dlg);
        CGameOptions options;
        options.m_nPieces = 10;
        options.m_strName1 = "Ann";
        options.m_bShowQuickInstructions = false;
        m_dlg->Game().StartGame(options);
        // The first paint, which finds the game started and opens nothing.
        for (int i = 0; i < 500 && m_dlg->Commands().IsBusy(); ++i) QTest::qWait(10);
        return *m_drive;
    }

    void DealWhere(const std::function<bool(CBoard&, const CBestPiece&)>& pred) {
        const auto numbers = m_drive->FindDeal(pred);
        QVERIFY(numbers);
        m_random.Deal((*numbers)[0], (*numbers)[1], (*numbers)[2]);
        m_drive->Deal();
    }

    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<CTestPlayers> m_players;
    CSoundRecorder m_sound;
    CQueueRandom m_random;
    std::unique_ptr<CScriptedUser> m_user;
    std::unique_ptr<CGameDlg> m_dlg;
    std::unique_ptr<CGameDriver> m_drive;
};

QTEST_MAIN(TestGameDlg)
#include "tst_GameDlg.moc"
