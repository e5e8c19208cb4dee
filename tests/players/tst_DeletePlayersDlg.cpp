#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "platform/CDialogBuilder.h"
#include "players/CDeletePlayersDlg.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/CPlayerListBox.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

namespace {

const std::string kDir = "players/";
const QString kAsk = "Confirmation|Delete the selected players and their saved games?";
// Listed without regard to case: ann (ann0.ply), Bob, Zoe; Max sits in the game.
const std::string kIndex =
    "Zoe\r\nZoe0.ply\r\nMax\r\nMax0.ply\r\nBob\r\nBob0.ply\r\nann\r\nann0.ply\r\n";

}  // namespace

// The players of an index in memory; Max is player one of the game in progress.
class DeletePlayersDlgTest : public QObject {
    Q_OBJECT

    CMemoryFileSystem m_files;
    CFixedClock m_clock{std::tm{}};
    std::unique_ptr<CPlayerApp> m_app;
    std::unique_ptr<CModalScript> m_script;
    std::unique_ptr<CDeletePlayersDlg> m_dlg;
    QStringList m_seen;  // what "list" and "ok?" saw

    CPlayerListBox* List() const {
        return CDialogBuilder::ControlAs<CPlayerListBox>(*m_dlg, CDeletePlayersDlg::kListId);
    }
    QPushButton* Ok() const { return CDialogBuilder::ControlAs<QPushButton>(*m_dlg, 1); }
    // "row N" selects one entry, "ctrl N" adds one; "1", "2" click OK, Cancel;
    // "list" notes the names, "ok?" whether OK is enabled.
    void Do(const QStringList& steps) {
        for (const QString& step : steps) {
            const int nRow = step.section(' ', 1).toInt();
            if (step.startsWith("row ") || step.startsWith("ctrl ")) {
                QTest::mouseClick(List()->viewport(), Qt::LeftButton,
                                  step.startsWith("ctrl") ? Qt::ControlModifier : Qt::NoModifier,
                                  List()->visualItemRect(List()->item(nRow)).center());
            } else if (step == "list") {
                for (int i = 0; i < List()->count(); ++i) m_seen << List()->item(i)->text();
            } else if (step == "ok?") {
                m_seen << (Ok()->isEnabled() ? "OK on" : "OK off");
            } else {
                QTest::mouseClick(CDialogBuilder::ControlAs<QPushButton>(*m_dlg, step.toInt()),
                                  Qt::LeftButton);
            }
        }
    }
    // Runs the dialog with no parent, as the menu command does; "open" is
    // noted when the steps leave it open.
    int Run(const QStringList& steps, std::vector<int> answers = {}) {
        m_dlg = std::make_unique<CDeletePlayersDlg>(*m_app);
        m_script->Answer([&](const CModal::SRequest&) {
            Do(steps);
            if (m_dlg->isVisible()) m_seen << "open";
            return m_dlg->isVisible() ? int(CModal::IdCancel) : m_dlg->result();
        });
        for (int answer : answers) m_script->Answer(answer);
        return CModal::Run(*m_dlg);
    }
    std::string& File(const std::string& name) { return m_files.m_files[kDir + name]; }
    QStringList Files() const {
        QStringList names;
        for (const auto& [path, bytes] : m_files.m_files)
            names << QString::fromStdString(path.substr(kDir.size()));
        return names;
    }

private slots:
    void init() {
        m_files = CMemoryFileSystem();
        for (const char* name : {"Zoe0.ply", "Max0.ply", "Bob0.ply", "ann0.ply"}) File(name) = name;
        File("data") = kIndex;
        m_app = std::make_unique<CPlayerApp>(
            FnMessage{}, [] { return std::string(); }, m_files);
        m_app->m_pPlayers[0] = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
        m_app->m_pPlayers[0]->m_strName = "Max";
        m_app->m_pPlayers[0]->m_strFile = "Max0.ply";
        m_script.reset();
        m_script = std::make_unique<CModalScript>();
        m_seen.clear();
    }

    void offersAllButTheGamesPlayersAndDeletesTheChosenAfterYes() {
        QCOMPARE(Run({"list", "ok?", "row 0", "ctrl 2", "ok?", "1"}, {CModal::IdYes}),
                 int(CModal::IdOk));
        QCOMPARE(m_seen, (QStringList{"ann", "Bob", "Zoe", "OK off", "OK on"}));
        QCOMPARE(m_script->Boxes(), QStringList{kAsk});
        QCOMPARE(Files(), (QStringList{"Bob0.ply", "Max0.ply", "data"}));
        QCOMPARE(File("data"), std::string("Max\r\nMax0.ply\r\nBob\r\nBob0.ply\r\n"));
    }

    void noCancelOrNothingChosenLeavesEveryFileAsItWas() {
        for (const auto& [steps, answers, seen] :
             {std::tuple(QStringList{"row 1", "1"}, std::vector<int>{CModal::IdNo},
                         QStringList{"open"}),
              std::tuple(QStringList{"row 1", "2"}, std::vector<int>{}, QStringList{}),
              std::tuple(QStringList{"row 1", "ctrl 1", "ok?"}, std::vector<int>{},
                         QStringList{"OK off", "open"})}) {
            init();
            const auto before = m_files.m_files;
            Run(steps, answers);
            QCOMPARE(m_seen, seen);
            QVERIFY(before == m_files.m_files);
            QCOMPARE(m_script->Boxes(), answers.empty() ? QStringList{} : QStringList{kAsk});
        }
    }

    void playersThatCouldNotBeDeletedAreNamedInOneBoxAndStayListed() {
        m_files.m_undeletable = {"players/ann0.ply", "players/Zoe0.ply"};
        QCOMPARE(Run({"row 0", "ctrl 1", "ctrl 2", "1"}, {CModal::IdYes}), int(CModal::IdOk));
        QCOMPARE(m_script->Boxes(),
                 (QStringList{kAsk,
                              "File Error|These players could not be deleted and "
                              "are kept:\nann\nZoe"}));
        QCOMPARE(File("data"),
                 std::string("Max\r\nMax0.ply\r\nann\r\nann0.ply\r\nZoe\r\nZoe0.ply\r\n"));
    }

    void anIndexThatCannotBeWrittenOrMadeAsksForAReinstall() {
        m_files.m_bRefuseAll = true;
        QCOMPARE(Run({"row 1", "1"}, {CModal::IdYes}), int(CModal::IdOk));
        QCOMPARE(m_script->Boxes(), (QStringList{kAsk, "File Error|Please re-install Brainwick!"}));
        QCOMPARE(Files(), (QStringList{"Max0.ply", "Zoe0.ply", "ann0.ply", "data"}));
        m_files.m_files.clear();  // no index, and none can be made
        Run({"list"});
        QCOMPARE(m_seen, QStringList{"open"});
        QCOMPARE(m_script->Boxes().last(), QString("File Error|Please re-install Brainwick!"));
    }
};

QTEST_MAIN(DeletePlayersDlgTest)
#include "tst_DeletePlayersDlg.moc"
