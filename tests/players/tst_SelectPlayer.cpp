#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "platform/CDialogBuilder.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/CPlayerListBox.h"
#include "players/CSelectPlayer.h"
#include "support/CFixedClock.h"
#include "support/CModalScript.h"

const QStringList kIndex = {"Joan",     "Joan0.ply", "bob",      "bob0.ply", "Ann",
                            "Ann1.ply", "ann",       "ann0.ply", "Ann",      "Ann0.ply"};
// Sorted without regard to case, equal names in index order: Ann (Ann1.ply), ann, Ann (Ann0.ply).
const QStringList kListed = {"Ann", "ann", "Ann", "bob", "Joan"};
const QString kAsk = "Confirmation|Add new player?";
const QStringList kNone = {"(none)"};
const QStringList kUntouched = {"Name", "", "1"};  // seat 0's name, file and records

// Each test has players Joan (one game on file), bob and three Anns in memory, and a seat 0
// player "Name" in a game.
class SelectPlayerTest : public QObject {
    Q_OBJECT

    CMemoryFileSystem m_files;
    CFixedClock m_clock{std::tm{}};
    std::unique_ptr<CPlayerApp> m_app;
    std::optional<CModalScript> m_script;
    std::unique_ptr<CSelectPlayer> m_dlg;  // one for the whole test, as a new game uses it
    QStringList m_seen;   // what the "?", "title" and "list" steps saw, then "open" if left open
    QStringList m_shown;  // per statistics shown: name, file, records, "seat" or "file"

    std::string& File(const QString& name) {
        return m_files.m_files["players/" + name.toStdString()];
    }
    void Write(const QString& name, const QStringList& lines) {
        File(name) = (lines.join("\r\n") + "\r\n").toStdString();
    }
    QStringList Lines(const QString& name) {
        if (!m_files.m_files.count("players/" + name.toStdString())) return kNone;
        return QString::fromStdString(File(name)).split("\r\n", Qt::SkipEmptyParts);
    }
    CGamePlayer& Seat(int nSeat, const std::string& file = "") {
        auto& seat = m_app->m_pPlayers[nSeat];
        seat = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
        seat->m_strName = "Name";
        seat->m_strFile = file;
        seat->StartStats("this game");
        return *seat;
    }
    static QStringList Seen(const CGamePlayer& player) {
        return {QString::fromStdString(player.m_strName), QString::fromStdString(player.m_strFile),
                QString::number(player.m_records.size())};
    }

    // Steps: "type TEXT" ("\b" a backspace), "Enter" in the name box, "leave" it for the list,
    // click "row N", "double N" or button "1", "2" or "1030", "remove FILE"; "?" notes the selected
    // entry's file and enabled buttons, "title" the title and OK's text, "list" names.
    void Do(CSelectPlayer& dlg, const QStringList& steps) {
        auto* name = CDialogBuilder::ControlAs<QLineEdit>(dlg, 1029);
        auto* list = CDialogBuilder::ControlAs<CPlayerListBox>(dlg, 1028);
        auto button = [&](int id) { return CDialogBuilder::ControlAs<QPushButton>(dlg, id); };
        for (const QString& step : steps) {
            const QString arg = step.section(' ', 1);
            if (step.startsWith("type ")) {
                name->setFocus();
                for (QChar c : arg)
                    c == '\b' ? QTest::keyClick(name, Qt::Key_Backspace)
                              : QTest::keyClicks(name, c);
            } else if (step == "Enter") {
                QTest::keyClick(name, Qt::Key_Return);
            } else if (step == "leave") {
                list->setFocus();
            } else if (step.startsWith("remove ")) {
                m_files.m_files.erase("players/" + arg.toStdString());
            } else if (step.startsWith("row ") || step.startsWith("double ")) {
                const QPoint at = list->visualItemRect(list->item(arg.toInt())).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                if (step.startsWith("double"))
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            } else if (step == "?") {
                std::string entry, file = "none";
                list->GetItem(list->Selected(), entry, file);
                m_seen << QString::fromStdString(file) + (button(1)->isEnabled() ? " OK" : "") +
                              (button(1030)->isEnabled() ? " Stats" : "");
            } else if (step == "title") {
                m_seen << dlg.windowTitle() + "/" + button(1)->text();
            } else if (step == "list") {
                for (int i = 0; i < list->count(); ++i) m_seen << list->item(i)->text();
            } else {
                QTest::mouseClick(button(step.toInt()), Qt::LeftButton);
            }
        }
    }
    // Runs the dialog for a seat, boxes get the answers; left open, it is noted and cancelled.
    int Run(int nSeat, const QStringList& steps, std::vector<int> answers = {}) {
        m_script->Answer([&](const CModal::SRequest&) {
            QApplication::setActiveWindow(m_dlg.get());  // so that clicks move the focus
            Do(*m_dlg, steps);
            if (m_dlg->isVisible()) {
                m_seen << "open";
                Do(*m_dlg, {"2"});
            }
            return m_dlg->result();
        });
        for (int answer : answers) m_script->Answer(answer);
        return m_dlg->DoModal(nSeat);
    }

private slots:
    void init() {
        m_dlg.reset();
        m_files = CMemoryFileSystem();
        m_app = std::make_unique<CPlayerApp>(FnMessage{}, nullptr, m_files);  // never started
        m_script.emplace();  // the old one goes first: its destructor stops every answerer
        m_dlg = std::make_unique<CSelectPlayer>(*m_app, m_clock);
        m_dlg->m_fnShowStatistics = [this](CGamePlayer& player) {
            m_shown << Seen(player) << (&player == m_app->m_pPlayers[0].get() ? "seat" : "file");
        };
        m_seen.clear();
        m_shown.clear();
        Write("data", kIndex);
        Write("Joan0.ply", {"Joan", "Joan0.ply", "Start Game Stats"});
        Seat(0);
    }

    void typingSelectsByPrefixAndLeavingByWholeNameIgnoringCase() {
        // typed, then what "?" sees after typing and after leaving the name box
        for (const QStringList& row : {QStringList{"jo", "Joan0.ply OK", "none OK"},
                                       {"aNN", "Ann1.ply OK", "Ann1.ply OK"},
                                       {"jox", "Joan0.ply OK", "none OK"},
                                       {"b\b", "bob0.ply", "none"}}) {
            init();
            Run(0, {"list", "type " + row[0], "?", "leave", "?"});
            QCOMPARE(m_seen, (kListed + QStringList{row[1], row[2], "open"}));
        }
    }

    void okTakesTheSelectedEntryOrAddsTheTypedName() {
        const QStringList joan = {"Joan", "Joan0.ply", "1"}, jo = {"Jo", "Jo0.ply"};
        // Steps, the answer to "Add new player?" (0: not asked), the result, seat 0 after.
        for (const auto& [steps, nAnswer, nResult, seat] :
             std::vector<std::tuple<QStringList, int, int, QStringList>>{
                 // Enter keeps the prefix match; a click on OK first leaves the name box.
                 {{"type Jo", "Enter"}, 0, CModal::IdOk, joan},
                 {{"type Jo", "1"}, CModal::IdYes, CModal::IdOk, jo + QStringList{"0"}},
                 // The lower of two equal names gives its name, which selects the upper.
                 {{"row 2", "1"}, 0, CModal::IdOk, {"Ann", "Ann1.ply", "0"}},
                 {{"type Mary", "1"}, CModal::IdNo, CModal::IdCancel, kUntouched}}) {
            init();
            QCOMPARE(Run(0, steps, nAnswer ? std::vector{nAnswer} : std::vector<int>{}), nResult);
            QCOMPARE(Seen(*m_app->m_pPlayers[0]), seat);
            QCOMPARE(m_script->Boxes(), nAnswer ? QStringList{kAsk} : QStringList{});
            const bool bAdded = seat.at(1) == "Jo0.ply";
            QCOMPARE(Lines("data"), bAdded ? kIndex + jo : kIndex);
            QCOMPARE(Lines("Jo0.ply"), bAdded ? jo : kNone);
            QCOMPARE(m_seen, nAnswer == CModal::IdNo ? QStringList{"open"} : QStringList{});
        }
    }

    void secondSeatIsRefusedEmptyAndCannotTakeTheFirstSeatsPlayer() {
        QCOMPARE(m_dlg->DoModal(1), int(CModal::IdCancel));  // empty: without showing the dialog
        QCOMPARE(m_script->Requests().size(), std::size_t(1));
        Seat(1);
        QCOMPARE(Run(0, {"type joan", "Enter"}), int(CModal::IdOk));
        QCOMPARE(Run(1, {"title", "list", "?", "type joan", "Enter", "type \b\b\b\bbob", "Enter"}),
                 int(CModal::IdOk));
        // The second run starts afresh: its own title, the list once, an empty name.
        QCOMPARE(m_seen, QStringList{"Select or Add Player 2/OK"} + kListed << "none");
        QCOMPARE(m_script->Boxes(), (QStringList{"Tallyfold|Void Player in CSelectPlayer",
                                                 "Player Taken|Joan is already player 1. Please "
                                                 "choose another player."}));
        QCOMPARE(Seen(*m_app->m_pPlayers[0]), (QStringList{"Joan", "Joan0.ply", "1"}));
        QCOMPARE(Seen(*m_app->m_pPlayers[1]), (QStringList{"bob", "bob0.ply", "0"}));
    }

    // With all of Mary's file numbers taken she is refused and the seat keeps its name; an index
    // gone while the dialog is open is told when Eve cannot be added to it.
    void fileFailuresAreReported() {
        for (int n = 0; n < 100; ++n) Write(QString("Mary%1.ply").arg(n), {"x"});
        QCOMPARE(Run(0, {"type Mary", "1"}, {CModal::IdYes}), int(CModal::IdCancel));
        QCOMPARE(Seen(*m_app->m_pPlayers[0]), kUntouched);
        QCOMPARE(Run(0, {"remove data", "type Eve", "1"}, {CModal::IdYes}), int(CModal::IdOk));
        QCOMPARE(Seen(*m_app->m_pPlayers[0]), (QStringList{"Eve", "Eve0.ply", "0"}));
        QCOMPARE(m_script->Boxes(),
                 (QStringList{kAsk, "File Error|Unable to create a player file for Mary!", kAsk,
                              "File Error!|Unable to open data file"}));
        QCOMPARE(Lines("data"), kNone);
    }

    // Without a hook of the caller's, as for a new game's seat, the dialog shows them itself.
    void statisticsAreShownOverTheDialogByDefault() {
        m_dlg = std::make_unique<CSelectPlayer>(*m_app, m_clock);
        Run(0, {"row 4", "1030"});
        QCOMPARE(m_script->Requests().size(), std::size_t(2));
        QCOMPARE(m_script->Requests()[1].caption, QString("Player Statistics"));
        QCOMPARE(m_script->Requests()[1].owner, static_cast<QWidget*>(m_dlg.get()));
    }

    void statisticsModeShowsPlayersWithoutChoosingThem() {
        Seat(0, "Joan0.ply").StartStats("a game in memory only");
        Write("bob0.ply", {"Bobby", "bob0.ply", "Start Game Stats"});
        m_dlg->m_bStatsMode = true;
        QCOMPARE(Run(0, {"title", "double 4", "row 3", "1030", "?", "1"}), int(CModal::IdOk));
        QCOMPARE(m_seen, (QStringList{"Select Player/Done", "bob0.ply OK Stats"}));
        QCOMPARE(m_shown,
                 (QStringList{"Name", "Joan0.ply", "2", "seat", "Bobby", "bob0.ply", "1", "file"}));
        QCOMPARE(Seen(*m_app->m_pPlayers[0]), (QStringList{"Name", "Joan0.ply", "2"}));
    }
};

QTEST_MAIN(SelectPlayerTest)
#include "tst_SelectPlayer.moc"
