#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/CDialogBuilder.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/CStatisticsDlg.h"
#include "players/CUserMessage.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

namespace {

const QString kPurgeOne = "Confirmation|Are you sure you want to delete this record?";
const QString kPurgeAll = "Confirmation|Are you sure you want ALL records for this player?";
// Listed as text, month first: 12/31/98 last, 12 AM after 01 AM.
const QString kListed = "01/02/99 at 01:00:00 AM,01/02/99 at 12:30:00 AM,12/31/98 at 11:59:01 PM";
const char* const kReport =
    "BRAINWICK GAME STATISTICS\n\nGame Title: Quick\nGame Player: Ann\n\n%1Game was finished "
    "on Sunday, 03/07/99 at 02:31 PM\n\nScore: 1\nThe game was played against %2.\nThe "
    "player...\ndid not win the game\nmissed the optimal move 0 time(s)\npassed a turn 0 "
    "time(s)\ntook the operator hint 0 time(s)\ntook the optimal hint 0 time(s)\n";

}  // namespace

// Ann, in a program directory whose name holds a space, with three finished
// games and one in progress; she reports through the application's boxes, as
// the game's seats do.
class StatisticsDlgTest : public QObject {
    Q_OBJECT

    CFixedClock m_clock{std::tm{}};
    std::unique_ptr<CModalScript> m_script;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<CPlayerApp> m_app;
    std::unique_ptr<CGamePlayer> m_player;
    std::unique_ptr<CStatisticsDlg> m_dlg;  // last, so that it goes first

    QString FileText(const QString& name) const {
        QFile file(QString::fromStdString(m_app->PlayersDir()) + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(none)";
    }
    void NewPlayer(IFileSystem& files, const std::vector<std::string>& started) {
        m_player = std::make_unique<CGamePlayer>(m_clock, CUserMessage::For(nullptr), files);
        m_player->m_strName = "Ann";
        m_player->m_strFile = "Ann0.ply";
        for (const std::string& text : started) {
            auto pRecord = std::make_unique<CGameStats>();
            pRecord->m_strStarted = text;
            pRecord->m_strTitle = "Quick";
            pRecord->m_strEnded = "Game was finished on Sunday, 03/07/99 at 02:31 PM";
            pRecord->m_strOpponent = "the computer";
            m_player->m_records.push_back(std::move(pRecord));
        }
    }
    QWidget* Control(int id) const { return CDialogBuilder::Control(*m_dlg, id); }
    QListWidget* List() const {
        return static_cast<QListWidget*>(Control(CStatisticsDlg::kListId));
    }
    QString Report() const {
        return static_cast<QPlainTextEdit*>(Control(CStatisticsDlg::kReportId))->toPlainText();
    }
    // The entries | the enabled ones of Purge, Purge All, Print | the no-game line.
    QString State() const {
        QStringList entries, enabled;
        for (int i = 0; i < List()->count(); ++i) entries << List()->item(i)->text();
        for (int id :
             {CStatisticsDlg::kPurgeId, CStatisticsDlg::kPurgeAllId, CStatisticsDlg::kPrintId})
            if (Control(id)->isEnabled()) enabled << QString::number(id);
        const QString noGame = static_cast<QLabel*>(Control(CStatisticsDlg::kNoGameId))->text();
        return entries.join(',') + "|" + enabled.join(' ') + "|" + noGame;
    }
    void Click(int id) {
        QTest::mouseClick(static_cast<QPushButton*>(Control(id)), Qt::LeftButton);
    }
    void Row(int nRow) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(nRow)).center());
    }
    // Runs the dialog; steps work it while it is open, answers go to the boxes
    // it asks. The result it closed with, or OK when the steps left it open.
    int Run(const std::function<void()>& steps, std::vector<int> answers = {}) {
        m_dlg = std::make_unique<CStatisticsDlg>(*m_app);
        m_dlg->m_pPlayer = m_player.get();
        m_script->Answer([&](const CModal::SRequest&) {
            steps();
            QCoreApplication::processEvents();
            return m_dlg->isVisible() ? int(CModal::IdOk) : m_dlg->result();
        });
        for (int answer : answers) m_script->Answer(answer);
        return CModal::Run(*m_dlg);
    }

private slots:
    void init() {
        m_dlg.reset();
        m_script.reset();  // its destructor stops every answerer
        m_script = std::make_unique<CModalScript>();
        m_root = std::make_unique<QTemporaryDir>();
        const QString appDir = m_root->filePath("my games");
        QVERIFY(QDir().mkpath(appDir + "/players"));
        m_app =
            std::make_unique<CPlayerApp>(FnMessage{}, [appDir] { return appDir.toStdString(); });
        m_app->InitInstance({});
        NewPlayer(
            CDiskFileSystem::Instance(),
            {"12/31/98 at 11:59:01 PM", "01/02/99 at 12:30:00 AM", "01/02/99 at 01:00:00 AM"});
        m_player->StartStats("this game");
    }

    void listsTheFinishedGamesAsTextAndASelectionShowsItsReportForGood() {
        auto& record = static_cast<CGameStats&>(*m_player->m_records.at(0));
        record.m_strOpponent.clear();
        record.m_nTimesPlayed = 3;
        QStringList seen;
        Run([&] {
            seen << State();
            Row(2);
            seen << State() << Report();
            List()->clearSelection();
            seen << State() + Report();
        });
        QCOMPARE(seen,
                 (QStringList{
                     kListed + "|1036|No Game Selected", kListed + "|1035 1036 1033|",
                     QString(kReport).arg("Number of times game played: 3\n", "an unknown player"),
                     kListed + "|1036|"}));
        QCOMPARE(List()->horizontalScrollBar()->maximum() + List()->viewport()->width(), 480);
    }

    void purgingTheLastEntryDisablesBothPurgesAndEveryPurgeIsSaved() {
        QStringList seen;
        Run(
            [&] {
                Row(0);
                Click(CStatisticsDlg::kPurgeId);  // No
                for (int i = 0; i < 3; ++i) {
                    Row(0);
                    Click(CStatisticsDlg::kPurgeId);
                    seen << State() + Report();
                }
            },
            {CModal::IdNo, CModal::IdYes, CModal::IdYes, CModal::IdYes});
        QCOMPARE(seen, (QStringList{kListed.section(',', 1) + "|1036 1033|",
                                    kListed.section(',', 2) + "|1036 1033|", "|1033|"}));
        QCOMPARE(m_script->Boxes(), QStringList(4, kPurgeOne));
        QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), 1);  // the game in progress
    }

    void purgeAllSparesTheGameInProgressAndSavesAndAFailedSaveIsTold() {
        CMemoryFileSystem refusing;
        refusing.m_bRefuseAll = true;
        for (int nCase : {0, 1, 2}) {  // three games, only the one in progress, unwritable
            init();
            if (nCase > 0) {
                NewPlayer(
                    nCase == 1 ? static_cast<IFileSystem&>(CDiskFileSystem::Instance()) : refusing,
                    {});
                m_player->StartStats("this game");
            }
            QStringList seen;
            Run(
                [&] {
                    seen << State();
                    Click(CStatisticsDlg::kPurgeAllId);  // No
                    Click(CStatisticsDlg::kPurgeAllId);
                    seen << State();
                },
                {CModal::IdNo, CModal::IdYes});
            QCOMPARE(seen,
                     (QStringList{(nCase == 0 ? kListed : "") + "|1036|No Game Selected", "||"}));
            QCOMPARE(m_player->m_records.size(), std::size_t(1));
            QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), nCase == 2 ? 0 : 1);
            QCOMPARE(m_script->Boxes(),
                     QStringList({kPurgeAll, kPurgeAll}) +
                         (nCase == 2 ? QStringList{"Tallyfold|Unable to save the player file " +
                                                   QString::fromStdString(m_app->PlayersDir()) +
                                                   "Ann0.ply!"}
                                     : QStringList{}));
        }
    }

    // The editor is a script that logs its arguments, each in brackets.
    void printWritesTheReportAndHandsItsPathToTheEditorAsOneArgument() {
        QFile script(m_root->filePath("editor"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$0.log\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qunsetenv("VISUAL");
        qputenv("EDITOR", script.fileName().toUtf8());
        QVERIFY(QDir(m_root->filePath("my games/players")).mkdir("stats.txt"));  // unwritable
        Run([&] {
            Click(CStatisticsDlg::kPrintId);  // disabled: nothing selected
            Row(0);
            Click(CStatisticsDlg::kPrintId);
            QTest::qWait(300);  // time enough for an editor that should not start
            QVERIFY(!QFile::exists(script.fileName() + ".log"));
            QDir(m_root->filePath("my games/players")).rmdir("stats.txt");
            Click(CStatisticsDlg::kPrintId);
        });
        qunsetenv("EDITOR");
        QCOMPARE(m_script->Boxes(), QStringList{"Tallyfold|Unable to write statistics!"});
        QCOMPARE(FileText("stats.txt"),
                 QString(kReport).arg("", "the computer").replace("\n", "\r\n"));
        const QString expected = "[" + m_root->filePath("my games/players/stats.txt]");
        QTRY_COMPARE(FileText("../../editor.log"), expected);
    }

    void withoutAPlayerItSaysSoAndClosesWithCancel() {
        m_player.reset();
        m_script->Answer(CModal::IdOk);  // the box, asked while the dialog opens
        QCOMPARE(Run([] {}), int(CModal::IdCancel));
        QCOMPARE(m_script->Unscripted(), 0);
        QCOMPARE(m_script->Boxes(), QStringList{"Error|No Valid Player Selected!"});
    }
};

QTEST_MAIN(StatisticsDlgTest)
#include "tst_StatisticsDlg.moc"
