#include <QLabel>
#include <QtTest>

#include "play/CMessageDlg.h"
#include "support/CModalScript.h"

class MessageDlgTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsTopLeftOnTheAnchorAfterTheOwnerMovedAndKeepsItsSize_data() {
        QTest::addColumn<QPoint>("ownerMovedTo");
        QTest::addColumn<QString>("text");
        QTest::newRow("right and down") << QPoint(340, 260) << "Continue the game.";
        QTest::newRow("back to the corner, four lines")
            << QPoint(0, 0)
            << "I'm afraid I cannot find\na move, so I must pass.\nA third line\n"
               "and a fourth one that does not fit";
    }
    void opensWithItsTopLeftOnTheAnchorAfterTheOwnerMovedAndKeepsItsSize() {
        QFETCH(QPoint, ownerMovedTo);
        QFETCH(QString, text);
        QWidget owner;
        owner.setGeometry(100, 100, 560, 340);
        auto* anchor = new QLabel(&owner);
        anchor->setGeometry(2, 258, 80, 16);
        anchor->hide();
        owner.show();
        owner.move(ownerMovedTo);
        const QPoint at = anchor->mapToGlobal(QPoint(0, 0));
        CMessageDlg dialog(&owner);
        const QSize size = dialog.size();
        auto* label = dialog.findChild<QLabel*>("id1041");
        QRect seen;
        QString caption;
        QString shown;
        CModalScript script;
        script.Answer([&](const CModal::SRequest& request) {
            seen = QRect(request.dialog->pos(), request.dialog->size());
            caption = request.caption;
            shown = label->text();
            return int(CModal::IdOk);
        });

        QCOMPARE(dialog.ShowMessage(at.x(), at.y(), text, "Better Move"), int(CModal::IdOk));

        QCOMPARE(seen, QRect(at, size));
        QCOMPARE(caption, QString("Better Move"));
        QCOMPARE(shown, text);
        // The text area holds two lines; the rest is cut off, not grown into.
        const int line = label->fontMetrics().lineSpacing();
        QVERIFY(label->height() >= 2 * line && label->height() < 3 * line);
    }
};

QTEST_MAIN(MessageDlgTest)
#include "tst_MessageDlg.moc"
