#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "platform/CDialogBuilder.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/CStatisticsDlg.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

using Dlg = CStatisticsDlg;
const QString kPurgeOne = "Confirmation|Are you sure you want to delete this record?";
const QString kPurgeAll = "Confirmation|Are you sure you want ALL records for this player?";
// Listed as text, month first: 12/31/98 last, 12 AM after 01 AM.
const QString kListed = "01/02/99 at 01:00:00 AM,01/02/99 at 12:30:00 AM,12/31/98 at 11:59:01 PM";
const char* const kReport =
    "BRAINWICK GAME STATISTICS\n\nGame Title: Quick\nGame Player: Ann\n\n%1Game was finished "
    "on Sunday, 03/07/99 at 02:31 PM\n\nScore: 1\nThe game was played against %2.\nThe "
    "player...\ndid not win the game\nmissed the optimal move 0 time(s)\npassed a turn 0 "
    "time(s)\ntook the operator hint 0 time(s)\ntook the optimal hint 0 time(s)\n";

// Ann, her files in memory, with three finished games and one in progress.
class StatisticsDlgTest : public QObject {
    Q_OBJECT

    CFixedClock m_clock{std::tm{}};
    std::optional<CModalScript> m_script;
    CMemoryFileSystem m_files;
    std::unique_ptr<CPlayerApp> m_app;
    std::unique_ptr<CGamePlayer> m_player;
    std::unique_ptr<CStatisticsDlg> m_dlg;  // last, so that it goes first
    QStringList m_seen;                     // what the steps of the last run noted

    QString FileText(const std::string& name) {
        return QString::fromStdString(m_files.m_files["players/" + name]);
    }
    // Ann with finished games started at these times, and one in progress.
    void NewPlayer(const std::vector<std::string>& started) {
        m_player = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
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
        m_player->StartStats("this game");
    }
    QWidget* Control(int id) const { return CDialogBuilder::Control(*m_dlg, id); }
    QListWidget* List() const { return static_cast<QListWidget*>(Control(Dlg::kListId)); }
    QString Report() const {
        return static_cast<QPlainTextEdit*>(Control(Dlg::kReportId))->toPlainText();
    }
    // The entries | the enabled ones of Purge, Purge All, Print | the no-game line.
    QString State() const {
        QStringList entries, enabled;
        for (int i = 0; i < List()->count(); ++i) entries << List()->item(i)->text();
        for (int id : {Dlg::kPurgeId, Dlg::kPurgeAllId, Dlg::kPrintId})
            if (Control(id)->isEnabled()) enabled << QString::number(id);
        const QString noGame = static_cast<QLabel*>(Control(Dlg::kNoGameId))->text();
        return entries.join(',') + "|" + enabled.join(' ') + "|" + noGame;
    }
    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    void Row(int nRow) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(nRow)).center());
    }
    // Runs the dialog: boxes get the answers, steps work it; its result, or OK if left open.
    int Run(std::vector<int> answers, const std::function<void()>& steps) {
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
        m_seen.clear();
        m_script.emplace();  // the old one goes first: its destructor stops every answerer
        m_files = CMemoryFileSystem();
        m_app = std::make_unique<CPlayerApp>(FnMessage{}, nullptr, m_files);  // never started
        NewPlayer(
            {"12/31/98 at 11:59:01 PM", "01/02/99 at 12:30:00 AM", "01/02/99 at 01:00:00 AM"});
    }

    // Every entry, the first added or a later one, is as wide as the list scrolls.
    void listsTheFinishedGamesAsTextAsWideAsTheListScrolls() {
        Run({}, [&] { m_seen << State(); });
        QCOMPARE(m_seen, QStringList{kListed + "|1036|No Game Selected"});
        QCOMPARE(List()->horizontalScrollBar()->maximum() + List()->viewport()->width(), 480);
        QCOMPARE(List()->item(0)->sizeHint().width(), 480);
    }

    void purgingTheLastEntryDisablesBothPurgesAndEveryPurgeIsSaved() {
        Run({CModal::IdNo, CModal::IdYes, CModal::IdYes, CModal::IdYes}, [&] {
            for (int i = 0; i < 4; ++i) {  // No first, so four boxes for three entries
                Row(0);
                Click(Dlg::kPurgeId);
            }
            m_seen << State() + Report();
        });
        QCOMPARE(m_seen, QStringList{"|1033|"});
        QCOMPARE(m_script->Boxes(), QStringList(4, kPurgeOne));
        QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), 1);  // the game in progress
    }

    // Only the game in progress: nothing is listed, yet Purge All is offered; it spares that game.
    void purgeAllSparesTheGameInProgressAndSaves() {
        NewPlayer({});
        Run({CModal::IdYes}, [&] {
            m_seen << State();
            Click(Dlg::kPurgeAllId);
            m_seen << State();
        });
        QCOMPARE(m_seen, (QStringList{"|1036|No Game Selected", "||"}));
        QCOMPARE(FileText("Ann0.ply").count("Start Game Stats"), 1);
        QCOMPARE(m_script->Boxes(), QStringList{kPurgeAll});
    }

    void printWritesTheReportAndHandsItsPathToTheEditor() {
        m_files.m_bRefuseAll = true;
        QList<QUrl> opened;
        Run({}, [&] {
            m_dlg->m_editor = CTextEditor({}, [&](const QUrl& url) {
                opened << url;
                return true;
            });
            Click(Dlg::kPrintId);  // disabled: nothing selected
            Row(0);
            Click(Dlg::kPrintId);
            m_files.m_bRefuseAll = false;
            Click(Dlg::kPrintId);
        });
        QCOMPARE(m_script->Boxes(), QStringList{"Tallyfold|Unable to write statistics!"});
        QCOMPARE(FileText("stats.txt"),
                 QString(kReport).arg("", "the computer").replace("\n", "\r\n"));
        QCOMPARE(opened, QList{QUrl::fromLocalFile(QDir::current().filePath("players/stats.txt"))});
    }

    void withoutAPlayerItSaysSoAndClosesWithCancel() {
        m_player.reset();
        m_script->Answer(CModal::IdOk);  // the box, asked while the dialog opens
        QCOMPARE(Run({}, [] {}), int(CModal::IdCancel));
        QCOMPARE(m_script->Boxes(), QStringList{"Error|No Valid Player Selected!"});
    }
};

QTEST_MAIN(StatisticsDlgTest)
#include "tst_StatisticsDlg.moc"
