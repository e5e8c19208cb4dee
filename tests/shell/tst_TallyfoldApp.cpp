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
#include "players/CStatisticsDlg.h"
#include "shell/CGameSetupDlg.h"
#include "shell/CTallyfoldApp.h"
#include "support/CScriptedUser.h"
#include "support/CSoundRecorder.h"

// The program from start-up to exit, offscreen: every box and dialog is
// answered by a chooser that acts as the user for the caption it sees.
class TestTallyfoldApp : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        // The shipped files, linked one by one: the settings file is written beside them.
        QDir().mkpath("data");
        QDir().mkpath("players");
        for (const QString& name : QDir(TALLYFOLD_DATA_DIR).entryList(QDir::Files)) {
            QFile::link(QString(TALLYFOLD_DATA_DIR "/") + name, "data/" + name);
        }
        // The help file lies beside data/, as in the game's folder.
        QFile::link(TALLYFOLD_DATA_DIR "/VEXA.HLP", "VEXA.HLP");
        m_user = std::make_unique<CScriptedUser>();
        m_user->m_chooser = [this](const CModal::SRequest& request) { return Answer(request); };
        m_inSetup = [](QDialog& dlg) {
            CDialogBuilder::ControlAs<QAbstractButton>(dlg, CModal::IdOk)->click();
            return dlg.result();
        };
    }

    void cleanup() {
        m_app.reset();
        m_user.reset();
        QDir::setCurrent(m_previous);
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void startUpShowsTheSplashThenTheFirstGameAndSavesAtExit() {
        Run({}, [this] {
            // The first paint starts the first game with player selection.
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
        });
        const std::vector<std::string> expected{"About...: ", "Tallyfold! (Basicon): ",
                                                "Tallyfold! Game Setup: ", "Select or Add Player 1: ",
                                                "Confirmation: Add new player?"};
        QVERIFY(m_user->m_log.size() >= expected.size());
        QCOMPARE(std::vector<std::string>(m_user->m_log.begin(), m_user->m_log.begin() + 5), expected);
        // The quick instructions open in the help window beside the game, asking nothing.
        const auto* help = m_app->MainWindow().findChild<CHelpWindow*>();
        QVERIFY(help);
        QCOMPARE(help->CurrentTitle(), QString("Quick Instructions"));
        // Its keys are its own: Ctrl+X there does not ask to quit the game.
        const std::size_t seen = m_user->m_log.size();
        QTest::keyClick(const_cast<CHelpWindow*>(help), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_user->m_log.size(), seen);
        QCOMPARE(m_app->MainWindow().Game().State().m_strName[0], std::string("Ann"));
        QVERIFY(QFile::exists("data/Sound.dat"));
        QVERIFY(PlayerFile().find("A 26 piece game") != std::string::npos);
    }

    void aCommandLineIsRefusedAndTheProgramStartsAnyway() {
        Run({"saved.game"}, [] {});
        QCOMPARE(m_user->m_log.front(), std::string("Tallyfold: Please start a saved game after startup!"));
        QVERIFY(m_user->Saw("About...: "));
    }

    void ctrlNOpensTheSetupFromInsideADialog() {
        bool pressed = false;
        m_inSetup = [](QDialog&) { return int(CModal::IdCancel); };
        m_user->m_onLog = [&](const std::string& line) {
            if (line != "About...: " || pressed) return;
            pressed = true;
            QTest::keyClick(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                              : &m_app->MainWindow(),
                            Qt::Key_N, Qt::ControlModifier);
        };
        Run({}, [] {});
        QVERIFY(m_user->Saw("Tallyfold! Game Setup: "));
    }

    void escapeAtTheFirstSetupLeavesTheWindowInert() {
        m_inSetup = [](QDialog& dlg) {
            QTest::keyClick(&dlg, Qt::Key_Escape);
            return dlg.result();
        };
        Run({}, [this] {
            CGameDlg& dlg = m_app->MainWindow();
            QTRY_VERIFY(m_user->Saw("Tallyfold! Game Setup: "));
            CDialogBuilder::ControlAs<QAbstractButton>(dlg, CGameDlg::IdPass)->click();
            for (int tick = 0; tick < 20; ++tick) dlg.OnTimer();
            QVERIFY(!dlg.Game().State().m_bGameStarted);
            QCOMPARE(dlg.Game().State().m_nShake, 0);
            QCOMPARE(dlg.Game().CurrentPlayer(), 0);
        });
    }

    void quitGameInTheSetupClosesAndSavesTheRecords() {
        Run({}, [this] {
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
            m_inSetup = [](QDialog& dlg) {
                CDialogBuilder::ControlAs<QAbstractButton>(dlg, CGameSetupDlg::kQuitGame)->click();
                return dlg.result();
            };
            // Chosen from the menu, as the user does.
            QAction* newGame = nullptr;
            for (QAction* action : m_app->MainWindow().findChild<QMenuBar*>()->findChildren<QAction*>())
                if (action->text() == "New &Game\tCtrl+N") newGame = action;
            QVERIFY(newGame);
            newGame->trigger();
            QVERIFY(!m_app->m_pPlayers[0]);
        });
        const std::string saved = PlayerFile();
        QVERIFY(saved.find("the computer") != std::string::npos);
        QVERIFY(saved.find("FALSE") != std::string::npos);
    }

    // Statistics of a player of the game in progress show that object, whose
    // current record is never listed; deletion does not offer the game's players.
    void maintenanceCommandsOpenStatisticsAndDeletion() {
        int listed = -1;
        int offered = -1;
        bool purgeAll = false;
        Run({}, [&] {
            QTRY_VERIFY(m_app->MainWindow().Game().State().m_bGameStarted);
            m_user->m_chooser = [&](const CModal::SRequest& request) {
                if (!request.dialog) return int(CModal::IdOk);
                QDialog& dlg = *request.dialog;
                if (request.caption == "Select Player") {
                    CDialogBuilder::ControlAs<QListWidget>(dlg, CSelectPlayer::kListId)->setCurrentRow(0);
                    CDialogBuilder::ControlAs<QAbstractButton>(dlg, CSelectPlayer::kStatisticsId)->click();
                } else if (request.caption == "Player Statistics") {
                    listed = CDialogBuilder::ControlAs<QListWidget>(dlg, CStatisticsDlg::kListId)->count();
                    purgeAll = CDialogBuilder::Control(dlg, CStatisticsDlg::kPurgeAllId)->isEnabled();
                } else if (request.caption == "Delete Players") {
                    offered = CDialogBuilder::ControlAs<QListWidget>(dlg, CDeletePlayersDlg::kListId)->count();
                }
                return int(CModal::IdCancel);
            };
            m_app->OnCommand(CTallyfoldApp::IdPlayerStatistics);
            m_app->OnCommand(CTallyfoldApp::IdDeletePlayers);
            m_user->m_chooser = [this](const CModal::SRequest& request) { return Answer(request); };
        });
        QCOMPARE(listed, 0);
        QVERIFY(purgeAll);  // Ann's game in progress is a record
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
        const QString caption = request.caption;
        if (request.dialog && caption == "Tallyfold! (Basicon)") {
            if (m_inMain) m_inMain();
            return CModal::IdOk;
        }
        if (request.dialog && caption == "Tallyfold! Game Setup") return m_inSetup(*request.dialog);
        if (request.dialog && caption.startsWith("Select or Add Player")) {
            CDialogBuilder::ControlAs<QLineEdit>(*request.dialog, CSelectPlayer::kNameId)->setText("Ann");
            CDialogBuilder::ControlAs<QAbstractButton>(*request.dialog, CModal::IdOk)->click();
            return request.dialog->result();
        }
        if (request.buttons == CModal::YesNo) return CModal::IdYes;
        if (request.dialog) {
            if (auto* ok = CDialogBuilder::ControlAs<QAbstractButton>(*request.dialog, CModal::IdOk)) ok->click();
            return request.dialog->result();
        }
        return CModal::IdOk;
    }

    std::string PlayerFile() const {
        QFile file("players/Ann0.ply");
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir m_dir;
    QString m_previous;
    std::unique_ptr<CScriptedUser> m_user;
    std::unique_ptr<CTallyfoldApp> m_app;
    std::function<void()> m_inMain;
    std::function<int(QDialog&)> m_inSetup;  // default: OK
};

QTEST_MAIN(TestTallyfoldApp)
#include "tst_TallyfoldApp.moc"
