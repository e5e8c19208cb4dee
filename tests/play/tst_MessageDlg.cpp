#include <QLabel>
#include <QtTest>

#include "play/CMessageDlg.h"
#include "support/CModalScript.h"

class MessageDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsTopLeftOnTheAnchorAfterTheOwnerMovedAndKeepsItsSize() {
        for (auto [ownerMovedTo, text] :
             {std::pair(QPoint(340, 260), QString("Continue the game.")),
              {QPoint(0, 0),
               "I'm afraid I cannot find\na move, so I must pass.\nA third\nA fourth"}}) {
            QWidget owner;
            owner.setGeometry(100, 100, 560, 340);
            owner.show();
            owner.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&owner));
            owner.move(ownerMovedTo);
            const QPoint at = owner.mapToGlobal(QPoint(2, 258));  // the window's hidden anchor
            // Made without a parent, as the game does: the active window owns it.
            CMessageDlg dialog;
            const QSize size = dialog.size();
            auto* label = dialog.findChild<QLabel*>("id1041");
            QStringList seen;
            CModalScript script;
            script.Answer([&](const CModal::SRequest& request) {
                seen << request.caption << label->text();
                const QRect placed(request.dialog->pos(), request.dialog->size());
                return placed == QRect(at, size) ? int(CModal::IdOk) : 0;
            });

            QCOMPARE(dialog.ShowMessage(at.x(), at.y(), text, "Better Move"), int(CModal::IdOk));

            QCOMPARE(seen, (QStringList{"Better Move", text}));
            QCOMPARE(script.Requests().at(0).owner, &owner);
            // The text area holds two lines; the rest is cut off, not grown into.
            const int line = label->fontMetrics().lineSpacing();
            QVERIFY(label->height() >= 2 * line && label->height() < 3 * line);
        }
    }
};

QTEST_MAIN(MessageDlgTest)
#include "tst_MessageDlg.moc"
