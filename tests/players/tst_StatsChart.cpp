#include <QListWidget>
#include <QtTest>
#include <memory>

#include "platform/CDialogBuilder.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/CProgressChart.h"
#include "players/CStatisticsDlg.h"
#include "players/CStatsCsv.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

using Dlg = CStatisticsDlg;

// The chart and the export of the statistics dialog, for Ann whose files are in memory.
class StatsChartTest : public QObject {
    Q_OBJECT

    CFixedClock m_clock{std::tm{}};
    std::optional<CModalScript> m_script;
    CMemoryFileSystem m_files;
    CPlayerApp m_app{FnMessage{}, nullptr, m_files};
    std::unique_ptr<CGamePlayer> m_player;

    // Ann with n games (score, finished, hints and misses varying) and one in progress.
    void NewPlayer(int n, int nUnfinishedEvery = 7, int nHints = 1) {
        m_player = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
        m_player->m_strName = "Ann";
        m_player->m_strFile = "Ann0.ply";
        for (int i = 0; i < n; ++i) {
            auto pRecord = std::make_unique<CGameStats>();
            pRecord->m_strStarted =
                QString("01/%1/99").arg(i % 28 + 1, 2, 10, QChar('0')).toStdString();
            pRecord->m_nScore = 20 + i * 37 % 41 + i / 2;
            pRecord->m_bFinished = i % nUnfinishedEvery != 0;
            std::tie(pRecord->m_nOperatorHints, pRecord->m_nMissedMoves) =
                std::pair(i % 3 * nHints, i % 4);
            m_player->m_records.push_back(std::move(pRecord));
        }
        m_player->StartStats("this game");
        m_player->SetScore(500);
    }
    // The dialog for Ann, open while steps work it.
    void Run(std::vector<int> answers, const std::function<void(Dlg&)>& steps) {
        Dlg dlg(m_app);
        dlg.m_pPlayer = m_player.get();
        m_script->Answer([&](const CModal::SRequest&) { return steps(dlg), int(CModal::IdOk); });
        for (int answer : answers) m_script->Answer(answer);
        CModal::Run(dlg);
    }
    static CProgressChart& Chart(Dlg& dlg) {
        return *CDialogBuilder::ControlAs<CProgressChart>(dlg, Dlg::kChartId);
    }
    static void Click(Dlg& dlg, int id) {
        QTest::mouseClick(CDialogBuilder::Control(dlg, id), Qt::LeftButton);
    }
    QImage Drawn(int nUnfinishedEvery, int nHints) {
        NewPlayer(3, nUnfinishedEvery, nHints);
        CProgressChart chart;
        chart.resize(300, 200);
        chart.SetSummary(CProgressSummary(*m_player));
        return chart.grab().toImage();
    }

private slots:
    void init() {
        m_script.emplace();
        m_files = CMemoryFileSystem();
        NewPlayer(3);
    }

    // The game in progress is left out; a purge redraws; the figures are there as text.
    void theChartFollowsEveryPurgeAndTellsItsFiguresAsText() {
        QStringList seen;
        Run({CModal::IdYes, CModal::IdYes}, [&](Dlg& dlg) {
            seen << Chart(dlg).accessibleName() << Chart(dlg).accessibleDescription();
            auto* list = CDialogBuilder::ControlAs<QListWidget>(dlg, Dlg::kListId);
            list->setCurrentRow(0);
            Click(dlg, Dlg::kPurgeId);
            seen << Chart(dlg).accessibleDescription();
            Click(dlg, Dlg::kPurgeAllId);
            seen << Chart(dlg).accessibleDescription();
        });
        QCOMPARE(seen, (QStringList{"Progress chart",
                                    "3 games: best score 57, last score 54, average score 43.7; 1 "
                                    "unfinished; 3 hints taken, 3 missed moves.",
                                    "2 games: best score 57, last score 54, average score 55.5; 0 "
                                    "unfinished; 3 hints taken, 3 missed moves.",
                                    "No games played."}));
    }

    void manyGamesDrawTheLatestThatFitAndEveryFigureShows() {
        NewPlayer(10000);
        CProgressChart chart;
        chart.resize(300, 200);
        chart.SetSummary(CProgressSummary(*m_player));
        QVERIFY2(chart.Shown() > 30 && chart.Shown() < 60,
                 qPrintable(QString::number(chart.Shown())));
        // Unfinished games look otherwise than finished ones, hints add bars.
        const QImage plain = Drawn(1000, 0);
        QVERIFY(Drawn(1, 0) != plain);
        QVERIFY(Drawn(1000, 1) != plain);
    }

    void exportWritesEveryRecordAndAFailedWriteSaysSoNamingTheFile() {
        const QString path = "/home/ann/Ann.csv";
        auto answer = [&](const CModal::SRequest& request) {
            *request.fileName = path;
            return request.text.endsWith("/Ann.csv") ? int(CModal::IdOk) : 0;
        };
        Run({}, [&](Dlg& dlg) {
            m_script->Answer([&](const CModal::SRequest&) { return int(CModal::IdCancel); });
            Click(dlg, Dlg::kExportId);  // cancelled
            QVERIFY(m_files.m_touched.empty());
            m_script->Answer(answer);
            Click(dlg, Dlg::kExportId);
            QCOMPARE(m_files.m_files[path.toStdString()], CStatsCsv::Text(m_player->m_records));
            m_files = CMemoryFileSystem();
            m_files.m_bRefuseAll = true;
            m_script->Answer(answer).Answer(CModal::IdOk);
            Click(dlg, Dlg::kExportId);
        });
        QCOMPARE(m_script->Requests().at(1).caption, QString("Export Games"));
        QCOMPARE(m_script->Boxes().last(), "Tallyfold|Unable to export the games to " + path + "!");
        QVERIFY(m_files.m_files.empty());
    }

    // TALLYFOLD_SCREENSHOT=file.png saves the dialog with 40 games, and file-dark.png darker.
    void screenshot() {
        const QString path = qEnvironmentVariable("TALLYFOLD_SCREENSHOT");
        if (path.isEmpty()) QSKIP("TALLYFOLD_SCREENSHOT not set");
        NewPlayer(40);
        Run({}, [&](Dlg& dlg) {
            QVERIFY(dlg.grab().save(path));
            QPalette dark(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32));
            dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
            dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
            dark.setColor(QPalette::Link, QColor(0x1d, 0x99, 0xf3));
            dlg.setPalette(dark);
            QVERIFY(dlg.grab().save(QString(path).replace(".png", "-dark.png")));
        });
    }
};

QTEST_MAIN(StatsChartTest)
#include "tst_StatsChart.moc"
