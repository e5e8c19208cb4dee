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

const QString kAsk = "Confirmation|Delete the selected players and their saved games?";

// Zoe, Max, Jörg (in Latin-1) and ann in an index in memory; Max plays the game in progress.
// The bookkeeping of a deletion is PlayerDeletionTest's; this is the asking.
class DeletePlayersDlgTest : public QObject {
    Q_OBJECT

    CMemoryFileSystem m_files;
    CFixedClock m_clock{std::tm{}};
    std::optional<CModalScript> m_script;
    std::unique_ptr<CPlayerApp> m_app;

    // Runs the dialog with no parent, as the menu command does; notes the names listed, whether
    // OK is enabled before and after clicking rows (a negative one with Ctrl), and if OK closed it.
    QStringList Run(const std::vector<int>& rows, std::vector<int> answers = {}) {
        CDeletePlayersDlg dlg(*m_app);
        QStringList seen;
        m_script->Answer([&](const CModal::SRequest&) {
            auto* list = CDialogBuilder::ControlAs<CPlayerListBox>(dlg, CDeletePlayersDlg::kListId);
            auto* ok = CDialogBuilder::ControlAs<QPushButton>(dlg, 1);
            for (int i = 0; i < list->count(); ++i) seen << list->item(i)->text();
            seen << QString::number(ok->isEnabled());
            for (int row : rows)
                QTest::mouseClick(list->viewport(), Qt::LeftButton,
                                  row < 0 ? Qt::ControlModifier : Qt::NoModifier,
                                  list->visualItemRect(list->item(std::abs(row))).center());
            seen << QString::number(ok->isEnabled());
            QTest::mouseClick(ok, Qt::LeftButton);
            seen << (dlg.isVisible() ? "open" : "closed");
            return dlg.isVisible() ? int(CModal::IdCancel) : dlg.result();
        });
        for (int answer : answers) m_script->Answer(answer);
        CModal::Run(dlg);
        return seen;
    }

private slots:
    void init() {
        m_files = CMemoryFileSystem();
        for (const std::string name : {"Zoe", "Max", "J\xF6rg", "ann"}) {
            m_files.m_files["players/" + name + "0.ply"] = name;
            m_files.m_files["players/data"] += name + "\n" + name + "0.ply\n";
        }
        m_app = std::make_unique<CPlayerApp>(FnMessage{}, nullptr, m_files);  // never started
        m_app->m_pPlayers[0] = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
        m_app->m_pPlayers[0]->m_strName = "Max";
        m_app->m_pPlayers[0]->m_strFile = "Max0.ply";
        m_script.emplace();  // the old one goes first: its destructor stops every answerer
    }

    void okWaitsForAChoiceAndNoKeepsTheDialogOpen() {
        QCOMPARE(Run({1, -1}), (QStringList{"ann", "Jörg", "Zoe", "0", "0", "open"}));
        QCOMPARE(Run({1}, {CModal::IdNo}).mid(4), (QStringList{"1", "open"}));
        QCOMPARE(m_script->Boxes(), QStringList{kAsk});
    }

    // Jörg's bytes go back into the index as they were read.
    void yesDeletesTheChosenAndNamesThoseThatCouldNotGoInOneBox() {
        m_files.m_undeletable = {"players/Zoe0.ply"};
        QCOMPARE(Run({0, -2}, {CModal::IdYes}).mid(4), (QStringList{"1", "closed"}));
        const QString kept = "File Error|These players could not be deleted and are kept:\nZoe";
        QCOMPARE(m_script->Boxes(), (QStringList{kAsk, kept}));
        QCOMPARE(m_files.m_files["players/data"],
                 std::string("Max\r\nMax0.ply\r\nJ\xF6rg\r\nJ\xF6rg0.ply\r\nZoe\r\nZoe0.ply\r\n"));
    }

    void anIndexThatCannotBeWrittenAsksForAReinstallAndCloses() {
        m_files.m_bRefuseAll = true;
        QCOMPARE(Run({1}, {CModal::IdYes}).last(), QString("closed"));
        QCOMPARE(m_script->Boxes(), (QStringList{kAsk, "File Error|Please re-install Brainwick!"}));
    }
};

QTEST_MAIN(DeletePlayersDlgTest)
#include "tst_DeletePlayersDlg.moc"
