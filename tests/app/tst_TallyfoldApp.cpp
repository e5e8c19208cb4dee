#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "platform/CHelpWindow.h"
#include "platform/CSystemClock.h"
#include "platform/CSystemRandom.h"
#include "players/CDeletePlayersDlg.h"
#include "players/CSelectPlayer.h"
#include "shell/CGameSetupDlg.h"
#include "app/CTallyfoldApp.h"
#include "support/CScriptedUser.h"
#include "support/CSoundRecorder.h"

namespace {

// Clicks a dialog's button as the user does; the dialog's result is the answer.
int Press(QDialog& dlg, int nId) {
    CDialogBuilder::ControlAs<QAbstractButton>(dlg, nId)->click();
    return dlg.result();
}

QListWidget* List(QDialog& dlg, int nId) {
    return CDialogBuilder::ControlAs<QListWidget>(dlg, nId);
}

}  // namespace

// The program from start-up to exit, offscreen: every box and dialog is
// answered by a chooser that acts as the user for the caption it sees.
class TestTallyfoldApp : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        // The shipped files, linked one by one: the settings file is written beside them.
        for (const char* folder : {"data", "players"}) QDir().mkpath(folder);
        for (const QString& name : QDir(TALLYFOLD_DATA_DIR).entryList(QDir::Files))
            QFile::link(QString(TALLYFOLD_DATA_DIR "/") + name, "data/" + name);
        // The help file lies beside data/, as in the game's folder.
        QFile::link(TALLYFOLD_DATA_DIR "/VEXA.HLP", "VEXA.HLP");
        m_user = std::make_unique<CScriptedUser>();
        m_user->m_chooser = m_answer;
        m_inSetup = [](QDialog& dlg) { return Press(dlg, CModal::IdOk); };
    }

    void cleanup() {
        m_app.reset();
        m_user.reset();
        QDir::setCurrent(m_previous);
        m_dir.reset();
    }

    void startUpShowsTheSplashThenTheFirstGameAndItsQuickInstructions() {
        Run({}, [this] {
            // The first paint starts the first game with player selection.
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
        });
        const std::vector<std::string> expected{
            "About...: ", "Tallyfold! (Basicon): ", "Tallyfold! Game Setup: ",
            "Select or Add Player 1: ", "Confirmation: Add new player?"};
        QVERIFY(m_user->m_log.size() >= expected.size());
        m_user->m_log.resize(expected.size());
        QCOMPARE(m_user->m_log, expected);
        // The quick instructions open in the help window beside the game, asking nothing.
        auto* help = m_app->MainWindow().findChild<CHelpWindow*>();
        QVERIFY(help);
        QCOMPARE(help->CurrentTitle(), QString("Quick Instructions"));
        // Its keys are its own: Ctrl+X there does not ask to quit the game.
        QTest::keyClick(help, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_user->m_log.size(), expected.size());
    }

    void aCommandLineIsRefusedAndTheProgramStartsAnyway() {
        Run({"saved.game"}, [] {});
        QCOMPARE(m_user->m_log.front(),
                 std::string("Tallyfold: Please start a saved game after startup!"));
        QVERIFY(m_user->Saw("About...: "));
    }

    // New Game typed during the splash waits for it and becomes the first game,
    // with its players chosen, on its own board.
    void ctrlNDuringTheSplashStartsTheFirstGameOnce() {
        m_user->m_onLog = [&](const std::string& line) {
            if (line != "About...: ") return;
            QWidget* modal = QApplication::activeModalWidget();
            QTest::keyClick(modal ? modal : &m_app->MainWindow(), Qt::Key_N, Qt::ControlModifier);
        };
        Run({}, [this] {
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
            QCOMPARE(m_app->MainWindow().Game().Board().UntakenCount(), 26);
        });
        QCOMPARE(m_user->Count("Tallyfold! Game Setup: "), 1);
        QVERIFY(InPlayerFile("A 26 piece game"));
    }

    void escapeAtTheFirstSetupLeavesTheWindowInert() {
        m_inSetup = [](QDialog& dlg) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
            return dlg.result();
        };
        Run({}, [this] {
            CGameDlg& dlg = m_app->MainWindow();
            QTRY_VERIFY(m_user->Saw("Tallyfold! Game Setup: "));
            Press(dlg, CGameDlg::IdPass);
            for (int tick = 0; tick < 20; ++tick) dlg.OnTimer();
            QVERIFY(!dlg.Game().State().m_bGameStarted);
            QCOMPARE(dlg.Game().State().m_nShake, 0);
            QCOMPARE(dlg.Game().CurrentPlayer(), 0);
        });
    }

    void quitGameInTheSetupClosesAndSavesTheRecords() {
        Run({}, [this] {
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
            m_inSetup = [](QDialog& dlg) { return Press(dlg, CGameSetupDlg::kQuitGame); };
            // Chosen from the menu, as the user does.
            const auto menu = m_app->MainWindow().findChild<QMenuBar*>()->findChildren<QAction*>();
            const auto newGame = std::find_if(menu.begin(), menu.end(), [](QAction* action) {
                return action->text() == "New &Game\tCtrl+N";
            });
            QVERIFY(newGame != menu.end());
            (*newGame)->trigger();
            QVERIFY(!m_app->m_pPlayers[0]);
        });
        QVERIFY(InPlayerFile("the computer"));
    }

    // Deletion does not offer the game's players. Exit typed in either dialog waits
    // until it has closed: the players stay meanwhile.
    void maintenanceCommandsOpenStatisticsAndDeletion() {
        int offered = -1;
        const auto exitInside = [this](QDialog& dlg) {
            const std::size_t asked = m_user->m_log.size();
            QTest::keyClick(&dlg, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(m_user->m_log.size(), asked);
            QVERIFY(m_app->m_pPlayers[0]);
        };
        Run({}, [&] {
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
            m_user->m_chooser = [&](const CModal::SRequest& request) {
                if (!request.dialog) return int(CModal::IdOk);
                QDialog& dlg = *request.dialog;
                if (request.caption == "Select Player") {
                    List(dlg, CSelectPlayer::kListId)->setCurrentRow(0);
                    Press(dlg, CSelectPlayer::kStatisticsId);
                } else if (request.caption == "Player Statistics") {
                    exitInside(dlg);
                } else if (request.caption == "Delete Players") {
                    exitInside(dlg);
                    offered = List(dlg, CDeletePlayersDlg::kListId)->count();
                } else if (request.caption == "Confirmation") {
                    return int(CModal::IdNo);
                }
                return int(CModal::IdCancel);
            };
            m_app->OnCommand(CTallyfoldApp::IdPlayerStatistics);
            m_app->OnCommand(CTallyfoldApp::IdDeletePlayers);
            m_user->m_chooser = m_answer;
            QCOMPARE(m_user->Count("Confirmation: Are you sure you want to quit?"), 2);
        });
        QCOMPARE(offered, 0);
    }

private:
    // Runs the program; inMain acts while the main window is open.
    int Run(const std::vector<std::string>& arguments, const std::function<void()>& inMain) {
        static CSoundRecorder sound;
        static CSystemRandom random(7);
        static CSystemClock clock;
        m_app = std::make_unique<CTallyfoldApp>(sound, random, clock);
        m_inMain = inMain;
        return m_app->Run(arguments);
    }

    int Answer(const CModal::SRequest& request) {
        if (!request.dialog) return request.buttons == CModal::YesNo ? CModal::IdYes : CModal::IdOk;
        QDialog& dlg = *request.dialog;
        if (request.caption == "Tallyfold! (Basicon)") {
            if (m_inMain) m_inMain();
            return CModal::IdOk;
        }
        if (request.caption == "Tallyfold! Game Setup") return m_inSetup(dlg);
        if (request.caption.startsWith("Select or Add Player"))
            CDialogBuilder::ControlAs<QLineEdit>(dlg, CSelectPlayer::kNameId)->setText("Ann");
        if (auto* ok = CDialogBuilder::ControlAs<QAbstractButton>(dlg, CModal::IdOk)) ok->click();
        return dlg.result();
    }

    static bool InPlayerFile(const char* text) {
        QFile file("players/Ann0.ply");
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
    }

    std::unique_ptr<QTemporaryDir> m_dir;  // the game's folder, one for each test
    const QString m_previous = QDir::currentPath();
    std::unique_ptr<CScriptedUser> m_user;
    std::unique_ptr<CTallyfoldApp> m_app;
    std::function<void()> m_inMain;
    std::function<int(QDialog&)> m_inSetup;  // default: OK
    const CScriptedUser::Chooser m_answer = [this](const CModal::SRequest& r) { return Answer(r); };
};

QTEST_MAIN(TestTallyfoldApp)
#include "tst_TallyfoldApp.moc"
