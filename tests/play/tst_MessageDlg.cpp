#include <QtTest>

#include "play/CMessageDlg.h"
#include "support/CModalScript.h"

class MessageDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensOverTheActiveWindowWithItsTitleAndItsTopLeftOnTheAnchor() {
        QWidget owner;
        owner.setGeometry(100, 100, 560, 340);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        const QPoint at = owner.mapToGlobal(QPoint(2, 258));  // the window's hidden anchor
        CMessageDlg dialog;  // made without a parent, as the game does
        QPoint placed;
        CModalScript script;
        script.Answer([&](const CModal::SRequest& request) {
            placed = request.dialog->pos();
            return int(CModal::IdOk);
        });
        QCOMPARE(dialog.ShowMessage(at.x(), at.y(), "Continue.", "Better Move"), int(CModal::IdOk));
        QCOMPARE(placed, at);
        QCOMPARE(script.Requests().at(0).owner, &owner);
        QCOMPARE(script.Requests().at(0).caption, QString("Better Move"));
    }
};

QTEST_MAIN(MessageDlgTest)
#include "tst_MessageDlg.moc"
