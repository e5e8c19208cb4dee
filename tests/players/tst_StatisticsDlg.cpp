#include <QApplication>
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
#include "support/CFakeEditor.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

namespace {

const QString kPurgeOne = "Confirmation|Are you sure you want to delete this record?";
const QString kPurgeAll = "Confirmation|Are you sure you want ALL records for this player?";

// Started texts in the order they are added: the list shows them month first,
// 12 AM after 01 AM.
const std::vector<std::string> kStarted = {"12/31/98 at 11:59:01 PM", "01/02/99 at 12:30:00 AM",
                                           "01/02/99 at 01:00:00 AM"};
const QStringList kListed = {"01/02/99 at 01:00:00 AM", "01/02/99 at 12:30:00 AM",
                             "12/31/98 at 11:59:01 PM"};

}  // namespace

// Ann, in a program directory whose name holds a space, with three finished
// games and one in progress, as the game's seats hold a player: reporting
// through the application's message boxes.
class StatisticsDlgTest : public QObject {
    Q_OBJECT

    CFixedClock m_clock{std::tm{}};
    std::unique_ptr<CModalScript> m_script;
    std::unique_ptr<QTemporaryDir> m_root;  // holds "my games/players"
    std::unique_ptr<CPlayerApp> m_app;
    std::unique_ptr<CGamePlayer> m_player;
    std::unique_ptr<CStatisticsDlg> m_dlg;  // last, so that it goes first

    QString PlayersDir() const { return QString::fromStdString(m_app->PlayersDir()); }
    QString FileText(const QString& name) const {
        QFile file(PlayersDir() + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(none)";
    }
    CGameStats& AddRecord(const std::string& started) {
        auto pRecord = std::make_unique<CGameStats>();
        pRecord->m_strStarted = started;
        pRecord->m_strTitle = "16 pieces, + - x /, positive numbers";
        pRecord->m_strEnded = "Game was finished on Sunday, 03/07/99 at 02:31 PM";
        pRecord->m_strOpponent = "the computer";
        m_player->m_records.push_back(std::move(pRecord));
        return static_cast<CGameStats&>(*m_player->m_records.back());
    }
    template <class T>
    T* Control(int id) const {
        return CDialogBuilder::ControlAs<T>(*m_dlg, id);
    }
    QStringList Listed() const {
        QStringList texts;
        auto* list = Control<QListWidget>(CStatisticsDlg::kListId);
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }
    // The enabled buttons among Purge, Purge All and Print.
    QString Enabled() const {
        QStringList names;
        for (auto [id, name] : {std::pair(CStatisticsDlg::kPurgeId, "Purge"),
                                {CStatisticsDlg::kPurgeAllId, "PurgeAll"},
                                {CStatisticsDlg::kPrintId, "Print"}})
            if (Control<QPushButton>(id)->isEnabled()) names << name;
        return names.join(' ');
    }
    QString Report() const {
        return Control<QPlainTextEdit>(CStatisticsDlg::kReportId)->toPlainText();
    }
    QString NoGame() const { return Control<QLabel>(CStatisticsDlg::kNoGameId)->text(); }
    void Click(int id) { QTest::mouseClick(Control<QPushButton>(id), Qt::LeftButton); }
    void Row(int nRow) {
        auto* list = Control<QListWidget>(CStatisticsDlg::kListId);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(nRow)).center());
    }
    // Runs the dialog; steps work it while it is open, answers go to the boxes
    // it asks. The result the dialog closed with, or OK when the steps left it open.
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
        m_root = std::make_unique<QTemporaryDir>();
        const QString appDir = m_root->filePath("my games");
        QVERIFY(QDir().mkpath(appDir + "/players"));
        m_app =
            std::make_unique<CPlayerApp>(FnMessage{}, [appDir] { return appDir.toStdString(); });
        m_app->InitInstance({});
        m_player = std::make_unique<CGamePlayer>(m_clock, CUserMessage::For(nullptr));
        m_player->m_strName = "Ann";
        m_player->m_strFile = "Ann0.ply";
        for (const std::string& started : kStarted) AddRecord(started);
        m_player->StartStats("this game");
        m_script.reset();
        m_script = std::make_unique<CModalScript>();
    }

    void opensWithTheFinishedGamesSortedAsTextAndNoGameSelected() {
        Run([] {});
        QCOMPARE(Listed(), kListed);  // the game in progress is not among them
        QCOMPARE(Enabled(), QString("PurgeAll"));
        QCOMPARE(NoGame(), QString("No Game Selected"));
        QCOMPARE(Report(), QString());
        auto* list = Control<QListWidget>(CStatisticsDlg::kListId);
        QCOMPARE(list->horizontalScrollBar()->maximum() + list->viewport()->width(),
                 CStatisticsDlg::kHorizontalExtent);
        QCOMPARE(m_script->Boxes(), QStringList{});
    }

    void aSelectedGameShowsItsReportLineByLineAndNoGameSelectedIsGoneForGood() {
        CGameStats& record = *static_cast<CGameStats*>(m_player->m_records.at(0).get());
        record.m_strOpponent.clear();
        record.m_nTimesPlayed = 3;
        record.m_bDidNotWin = false;
        QString shown, noGame, afterClear, enabled;
        int nLines = 0;
        Run([&] {
            Row(2);
            shown = Report();
            nLines = Control<QPlainTextEdit>(CStatisticsDlg::kReportId)->blockCount();
            noGame = NoGame();
            enabled = Enabled();
            Control<QListWidget>(CStatisticsDlg::kListId)->clearSelection();
            afterClear = NoGame() + "/" + Report() + "/" + Enabled();
        });
        QCOMPARE(shown, QString("BRAINWICK GAME STATISTICS\n\n"
                                "Game Title: 16 pieces, + - x /, positive numbers\n"
                                "Game Player: Ann\n\nNumber of times game played: 3\n"
                                "Game was finished on Sunday, 03/07/99 at 02:31 PM\n\nScore: 1\n"
                                "The game was played against an unknown player.\nThe player...\n"
                                "earned the highest score\nmissed the optimal move 0 time(s)\n"
                                "passed a turn 0 time(s)\ntook the operator hint 0 time(s)\n"
                                "took the optimal hint 0 time(s)\n"));
        QCOMPARE(nLines, 17);  // 16 lines and the empty one after the last line end
        QCOMPARE(noGame, QString());
        QCOMPARE(enabled, QString("Purge PurgeAll Print"));
        QCOMPARE(afterClear, QString("//PurgeAll"));
    }

    void purgingAsksThenDeletesTheRecordAndSavesAndTheLastOneDisablesBoth() {
        QStringList seen;
        Run(
            [&] {
                Row(0);
                Click(CStatisticsDlg::kPurgeId);  // No
                seen << Listed().join(',') + "|" + Enabled();
                for (int i = 0; i < 3; ++i) {
                    Row(0);
                    Click(CStatisticsDlg::kPurgeId);
                    seen << Listed().join(',') + "|" + Enabled() + "|" + Report() + NoGame();
                }
            },
            {CModal::IdNo, CModal::IdYes, CModal::IdYes, CModal::IdYes});
        QCOMPARE(seen, (QStringList{kListed.join(',') + "|Purge PurgeAll Print",
                                    kListed.mid(1).join(',') + "|PurgeAll Print|",
                                    kListed.at(2) + "|PurgeAll Print|", "|Print|"}));
        QCOMPARE(m_script->Boxes(), (QStringList{kPurgeOne, kPurgeOne, kPurgeOne, kPurgeOne}));
        // Only the game in progress is left, in memory and on file.
        QCOMPARE(m_player->m_records.size(), std::size_t(1));
        QCOMPARE(m_player->m_records.at(0).get(), m_player->m_pCurrentStats);
        QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), 1);
        QVERIFY(FileText("Ann0.ply").contains("this game\r\n"));
    }

    void purgeAllSparesTheGameInProgressAndSavesEvenWithNothingListed() {
        for (const bool bOnlyCurrent : {false, true}) {
            init();
            if (bOnlyCurrent) m_player->RemoveAllButCurrent();
            QStringList seen;
            Run(
                [&] {
                    seen << Listed().join(',') + "|" + Enabled();
                    Click(CStatisticsDlg::kPurgeAllId);  // No
                    seen << QString::number(Listed().size()) + "|" + FileText("Ann0.ply");
                    Click(CStatisticsDlg::kPurgeAllId);
                    seen << Listed().join(',') + "|" + Enabled();
                },
                {CModal::IdNo, CModal::IdYes});
            QCOMPARE(seen, (QStringList{(bOnlyCurrent ? "" : kListed.join(',')) + "|PurgeAll",
                                        QString::number(bOnlyCurrent ? 0 : 3) + "|(none)", "|"}));
            QCOMPARE(m_script->Boxes(), (QStringList{kPurgeAll, kPurgeAll}));
            QCOMPARE(m_player->m_records.size(), std::size_t(1));
            QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), 1);
        }
    }

    void aPlayerFileThatCannotBeSavedIsToldByThePlayersOwnMessage() {
        CMemoryFileSystem files;
        files.m_bRefuseAll = true;
        m_player = std::make_unique<CGamePlayer>(m_clock, CUserMessage::For(nullptr), files);
        m_player->m_strName = "Ann";
        m_player->m_strFile = "Ann0.ply";
        AddRecord(kStarted[0]);
        Run([&] { Click(CStatisticsDlg::kPurgeAllId); }, {CModal::IdYes});
        QCOMPARE(m_script->Boxes(),
                 (QStringList{kPurgeAll, "Tallyfold|Unable to save the player file " +
                                             PlayersDir() + "Ann0.ply!"}));
    }

    void printWritesTheReportAndHandsItsPathToTheEditorAsOneArgument() {
        CFakeEditor editor;
        qunsetenv("VISUAL");
        qputenv("EDITOR", editor.Command().toUtf8());
        // A folder in the report's place: it cannot be written.
        QVERIFY(QDir(PlayersDir()).mkdir("stats.txt"));
        QString afterFailure;
        Run([&] {
            Click(CStatisticsDlg::kPrintId);  // disabled: nothing selected
            Row(0);
            Click(CStatisticsDlg::kPrintId);
            afterFailure = FileText("stats.txt");
            QDir(PlayersDir()).rmdir("stats.txt");
            Click(CStatisticsDlg::kPrintId);
        });
        QCOMPARE(m_script->Boxes(), QStringList{"Tallyfold|Unable to write statistics!"});
        QCOMPARE(afterFailure, QString("(none)"));
        QCOMPARE(editor.Starts(), QStringList{"[" + PlayersDir() + "stats.txt]"});
        QCOMPARE(FileText("stats.txt"),
                 QString("BRAINWICK GAME STATISTICS\r\n\r\n"
                         "Game Title: 16 pieces, + - x /, positive numbers\r\n"
                         "Game Player: Ann\r\n\r\n"
                         "Game was finished on Sunday, 03/07/99 at 02:31 PM\r\n\r\nScore: 1\r\n"
                         "The game was played against the computer.\r\nThe player...\r\n"
                         "did not win the game\r\nmissed the optimal move 0 time(s)\r\n"
                         "passed a turn 0 time(s)\r\ntook the operator hint 0 time(s)\r\n"
                         "took the optimal hint 0 time(s)\r\n"));
        qunsetenv("EDITOR");
    }

    void withoutAPlayerItSaysSoAndClosesWithCancel() {
        m_player.reset();
        QCOMPARE(Run([] {}), int(CModal::IdCancel));
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_script->Boxes(), QStringList{"Error|No Valid Player Selected!"});
    }
};

QTEST_MAIN(StatisticsDlgTest)
#include "tst_StatisticsDlg.moc"
