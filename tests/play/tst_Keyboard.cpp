#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "shell/CGameSetupDlg.h"
#include "shell/CTile.h"
#include "support/CGameDriver.h"

namespace {

// Every accessibility event: what changed and the name it had then.
struct SEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
std::vector<SEvent> g_events;
void Record(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    g_events.push_back({event->type(), event->object(), face ? face->text(QAccessible::Name) : QString()});
}

}  // namespace

// A move made by keys alone through the real window, and what a screen reader hears of it.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void aMoveByKeysIsAnnouncedOnceAndAnIdleTurnIsSilent() {
        CGameDriver d;
        CGameDlg& dlg = d.dlg;
        QVERIFY(QApplication::activeWindow() == &dlg);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(Record);
        const auto key = [&](Qt::Key k) { QTest::keyClick(dlg.focusWidget(), k); };
        const auto on = [&](QObject* object) {
            return int(std::count_if(g_events.begin(), g_events.end(),
                                     [&](const SEvent& e) { return e.object == object; }));
        };

        d.random.Deal(3, 4, 2);
        d.Ticks(1);
        g_events.clear();
        d.Ticks(13);  // the shuffle is drawn, not told
        QCOMPARE(int(g_events.size()), 0);
        QWidget* turn = CDialogBuilder::Control(dlg, CGameDlg::IdTurn);
        d.Ticks(1);
        QCOMPARE(on(turn), 1);
        QCOMPARE(turn->accessibleName(), QString("Ann's turn. Numbers 3, 4 and 2"));
        QCOMPARE(dlg.focusWidget(), d.Number(0));

        // (3 + 4) * 2: the operator key sets the second row, the first being full;
        // the focus goes to the grey piece.
        g_events.clear();
        for (Qt::Key k : {Qt::Key_3, Qt::Key_Plus, Qt::Key_4, Qt::Key_R, Qt::Key_Asterisk, Qt::Key_2})
            key(k);
        QCOMPARE(d.Text(CGameDlg::IdResult2), QString("14"));
        QCOMPARE(d.Operator(1)->accessibleName(), QString("Second operator: times"));
        QCOMPARE(d.Number(3)->accessibleName(), QString("First result: 7"));
        QCOMPARE(on(turn), 1);
        QCOMPARE(turn->accessibleName(),
                 QString("Ann's turn. Numbers 3, 4 and 2. Can be taken: Piece 14, row 1, column 2"));
        QCOMPARE(dlg.Board().Piece(1)->accessibleDescription(), QString("can be taken"));
        QCOMPARE(dlg.Board().FocusedIndex(), 1);

        g_events.clear();
        d.Ticks(4);  // the caret
        for (int i = 0; i < 3; ++i) dlg.Board().OnTimer();  // the blink
        QCOMPARE(int(g_events.size()), 0);

        // The arrows go round the board, N back to the grey piece.
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right}) key(k);
        QCOMPARE(dlg.Board().FocusedIndex(), 2);
        key(Qt::Key_N);
        QCOMPARE(dlg.Board().FocusedIndex(), 1);
        key(Qt::Key_Return);
        QVERIFY(dlg.Game().Board().Piece(1).IsTaken());
        QWidget* score = CDialogBuilder::Control(dlg, CGameDlg::IdScore0);
        QCOMPARE(d.Text(CGameDlg::IdScore0), QString("1"));
        QCOMPARE(score->accessibleName(), QString("Ann: 1 point"));
        QCOMPARE(on(score), 1);
        QCOMPARE(dlg.Board().Tile(1)->accessibleName(), QString("Piece 14, row 1, column 2, taken"));
        // The computer's deal: the focus is off the board meanwhile.
        QCOMPARE(dlg.focusWidget(), CDialogBuilder::Control(dlg, CGameDlg::IdPass));
        QAccessible::installUpdateHandler(nullptr);
    }

    // Tab goes down the players' column before the operators beside it.
    void theSetupsTabOrderFollowsItsLayout() {
        CGameSetupDlg setup;
        QString order;
        QWidget* control = CDialogBuilder::Control(setup, 1016);
        for (int i = 0; i < 6; ++i, control = control->nextInFocusChain())
            order += control->property("controlId").toString() + " ";
        QCOMPARE(order, QString("1016 1018 1017 1019 1027 1028 "));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_Keyboard.moc"
