#include <QListWidget>
#include <QtTest>

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

// The statistics dialog's chart and export, for Ann, whose files are in memory.
class StatsChartTest : public QObject {
    Q_OBJECT

    CFixedClock m_clock{std::tm{}};
    CMemoryFileSystem m_files;
    CPlayerApp m_app{FnMessage{}, nullptr, m_files};
    CGamePlayer m_player{m_clock, FnMessage{}, m_files};
    std::optional<CModalScript> m_script;

    // Ann's games, oldest first, every nUnfinished-th one unfinished, then one in progress.
    void Games(int n, int nUnfinished = 7, int nHints = 1) {
        m_player.Clear();
        for (int i = 0; i < n; ++i) {
            auto pRecord = std::make_unique<CGameStats>();
            pRecord->m_strStarted = "01/" + std::to_string(10 + i % 90) + "/99";
            pRecord->m_nScore = 20 + i * 37 % 41 + i / 2;
            pRecord->m_bFinished = i % nUnfinished != 0;
            pRecord->m_nOperatorHints = pRecord->m_nOptimalHints = i % 3 * nHints;
            pRecord->m_nMissedMoves = i % 4;
            m_player.m_records.push_back(std::move(pRecord));
        }
        m_player.StartStats("this game");
    }
    // Runs the dialog for Ann while steps work it.
    void Run(const std::function<void(Dlg&)>& steps) {
        Dlg dlg(m_app);
        dlg.m_pPlayer = &m_player;
        m_script->Answer([&](const CModal::SRequest&) { return steps(dlg), int(CModal::IdOk); });
        CModal::Run(dlg);
    }
    static void Click(Dlg& dlg, int id) {
        QTest::mouseClick(CDialogBuilder::Control(dlg, id), Qt::LeftButton);
    }

private slots:
    void init() {
        m_script.emplace();
        m_files = CMemoryFileSystem();
        m_player.m_strName = "Ann";
        Games(3);
    }

    // The game in progress is left out, every purge redraws, the figures are there as text;
    // Export writes every record, a failed write says so naming the file.
    void theChartFollowsThePurgesAndExportWritesEveryRecord() {
        const QString path = "/home/ann/Ann.csv";
        auto choose = [&](const CModal::SRequest& request) { return *request.fileName = path, 1; };
        QStringList seen;
        Run([&](Dlg& dlg) {
            const QWidget* chart = CDialogBuilder::Control(dlg, Dlg::kChartId);
            seen << chart->accessibleName() << chart->accessibleDescription();
            m_script->Answer(CModal::IdCancel).Answer(choose).Answer(choose).Answer(CModal::IdOk);
            Click(dlg, Dlg::kExportId);  // cancelled: nothing written
            Click(dlg, Dlg::kExportId);
            QCOMPARE(m_files.m_files.size(), std::size_t(1));
            QCOMPARE(m_files.m_files[path.toStdString()], CStatsCsv::Text(m_player.m_records));
            m_files = CMemoryFileSystem();
            m_files.m_bRefuseAll = true;
            Click(dlg, Dlg::kExportId);
            QCOMPARE(m_script->Boxes().last(),
                     "Tallyfold|Unable to export the games to " + path + "!");
            QVERIFY(m_files.m_files.empty());
            QVERIFY(m_script->Boxes().at(1).contains(
                QRegularExpression("^Export Games\\|/.*/Ann.csv$")));
            m_script->Answer(CModal::IdYes).Answer(CModal::IdYes);
            CDialogBuilder::ControlAs<QListWidget>(dlg, Dlg::kListId)->setCurrentRow(0);
            Click(dlg, Dlg::kPurgeId);
            seen << chart->accessibleDescription();
            Click(dlg, Dlg::kPurgeAllId);
            seen << chart->accessibleDescription();
        });
        QCOMPARE(seen, (QStringList{"Progress chart",
                                    "3 games: best score 57, last score 54, average score 43.7; 1 "
                                    "unfinished; 6 hints taken, 3 missed moves.",
                                    "2 games: best score 57, last score 54, average score 55.5; 0 "
                                    "unfinished; 6 hints taken, 3 missed moves.",
                                    "No games played."}));
    }

    // Of many games the latest that fit; unfinished games show.
    void theChartDrawsTheLatestGamesThatFitAndEveryFigure() {
        auto drawn = [this](int n, int nUnfinished, int nHints) {
            Games(n, nUnfinished, nHints);
            CProgressChart chart;
            chart.resize(300, 200);
            chart.SetSummary(CProgressSummary(m_player));
            return std::pair(chart.grab().toImage(), chart.Shown());
        };
        const int nShown = drawn(10000, 7, 1).second;
        QVERIFY2(nShown > 30 && nShown < 60, qPrintable(QString::number(nShown)));
        const QImage plain = drawn(3, 1000, 0).first;
        QVERIFY(drawn(3, 1, 0).first != plain);
    }
};

QTEST_MAIN(StatsChartTest)
#include "tst_StatsChart.moc"
