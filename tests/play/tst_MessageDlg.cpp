#include <QLabel>
#include <QtTest>

#include "platform/CModal.h"
#include "play/CMessageDlg.h"

namespace {

// What the user would have seen of the dialog when it opened.
struct SSeen {
    QPoint position;
    QSize size;
    QString caption;
    QString text;
};

}  // namespace

class MessageDlgTest : public QObject {
    Q_OBJECT

private:
    SSeen m_seen;

    void AnswerOk() {
        CModal::SetAnswerer([this](const CModal::SRequest& request) {
            QDialog* dialog = request.dialog;
            m_seen.position = dialog->pos();
            m_seen.size = dialog->size();
            m_seen.caption = request.caption;
            m_seen.text = dialog->findChild<QLabel*>("id1041")->text();
            return int(CModal::IdOk);
        });
    }

private slots:
    void init() {
        m_seen = SSeen();
        AnswerOk();
    }
    void cleanup() { CModal::SetAnswerer(nullptr); }

    void opensWithItsTopLeftOnTheAnchorAfterTheOwnerMoved_data() {
        QTest::addColumn<QPoint>("ownerMovedTo");
        QTest::newRow("right and down") << QPoint(340, 260);
        QTest::newRow("back to the corner") << QPoint(0, 0);
    }
    void opensWithItsTopLeftOnTheAnchorAfterTheOwnerMoved() {
        QFETCH(QPoint, ownerMovedTo);
        QWidget owner;
        owner.setGeometry(100, 100, 560, 340);
        auto* anchor = new QLabel(&owner);
        anchor->setGeometry(2, 258, 80, 16);
        anchor->hide();
        owner.show();
        owner.move(ownerMovedTo);
        const QPoint at = anchor->mapToGlobal(QPoint(0, 0));

        CMessageDlg dialog(&owner);
        const int result = dialog.ShowMessage(at.x(), at.y(), "Continue the game.", "Better Move");

        QCOMPARE(result, int(CModal::IdOk));
        QCOMPARE(m_seen.position, at);
        QCOMPARE(m_seen.caption, QString("Better Move"));
        QCOMPARE(m_seen.text, QString("Continue the game."));
    }

    void keepsItsSizeWhateverTheText() {
        CMessageDlg dialog;
        dialog.ShowMessage(10, 10, "Hint", "Hint");
        const QSize shortText = m_seen.size;
        dialog.ShowMessage(10, 10,
                           "I'm afraid I cannot find\na move, so I must pass.\nA third line\n"
                           "and a fourth one that does not fit",
                           "Computer's Move");
        QCOMPARE(m_seen.size, shortText);
        // The text area holds two lines; the rest is cut off, not grown into.
        const auto* text = dialog.findChild<QLabel*>("id1041");
        QVERIFY(text->height() < 3 * text->fontMetrics().lineSpacing());
        QVERIFY(text->height() >= 2 * text->fontMetrics().lineSpacing());
    }
};

QTEST_MAIN(MessageDlgTest)
#include "tst_MessageDlg.moc"
