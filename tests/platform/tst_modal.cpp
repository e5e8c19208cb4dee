#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include "platform/CModal.h"
#include "support/CModalScript.h"

namespace {

// A dialog that, like the game's dialogs, prepares itself when it opens.
class COpeningDialog : public QDialog {
public:
    COpeningDialog() {
        m_pText = new QLabel(this);
        m_pHidden = new QLabel(this);
        m_pHidden->hide();
        m_pOk = new QPushButton(QStringLiteral("OK"), this);
        connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    }
    QLabel* m_pText;
    QLabel* m_pHidden;
    QPushButton* m_pOk;
    int m_nOpened = 0;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        ++m_nOpened;
        setWindowTitle(QStringLiteral("Opened"));
        m_pText->setText(QStringLiteral("ready"));
    }
};

// Acts on the next modal window once the real event loop runs it.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        if (QWidget* modal = QApplication::activeModalWidget()) action(modal);
    });
}

}  // namespace

class TestModal : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { CModal::SetAnswerer(nullptr); }

    void answererSeesEveryPartOfAMessageBox_data() {
        QTest::addColumn<bool>("app");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::newRow("own caption, question")
            << false << "Confirmation Dialog" << int(CModal::YesNo) << int(CModal::Question);
        QTest::newRow("own caption, no icon")
            << false << "Invalid Game Setup" << int(CModal::OkOnly) << int(CModal::NoIcon);
        QTest::newRow("application box")
            << true << "Tallyfold" << int(CModal::OkOnly) << int(CModal::Exclamation);
    }
    void answererSeesEveryPartOfAMessageBox() {
        QFETCH(bool, app);
        QFETCH(QString, caption);
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QWidget owner;
        CModal::SRequest seen;
        CModal::SetAnswerer([&seen](const CModal::SRequest& request) {
            seen = request;
            return CModal::IdNo;
        });
        const QString text = QStringLiteral("Are you sure you want to quit?");
        const int result = app ? CModal::AppMessage(text)
                               : CModal::Message(&owner, text, caption, CModal::EButtons(buttons),
                                                 CModal::EIcon(icon));
        QCOMPARE(result, int(CModal::IdNo));
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.buttons), buttons);
        QCOMPARE(int(seen.icon), icon);
        QVERIFY(seen.dialog == nullptr);
        if (!app) QCOMPARE(seen.owner, &owner);
    }

    void answeredDialogIsSeenOpenedWithoutAnEventLoop() {
        COpeningDialog dialog;
        int loopLevel = -1;
        bool textVisible = false;
        bool hiddenVisible = true;
        QString caption;
        CModal::SetAnswerer([&](const CModal::SRequest& request) {
            loopLevel = QThread::currentThread()->loopLevel();
            caption = request.caption;
            textVisible = dialog.m_pText->isVisible() && dialog.m_pText->text() == "ready";
            hiddenVisible = dialog.m_pHidden->isVisible();
            return CModal::IdOk;
        });
        QCOMPARE(CModal::Run(dialog), int(CModal::IdOk));
        QCOMPARE(loopLevel, 0);
        QCOMPARE(caption, QStringLiteral("Opened"));
        QVERIFY(textVisible);
        QVERIFY(!hiddenVisible);
        QCOMPARE(dialog.m_nOpened, 1);
        QVERIFY(!dialog.isVisible());
    }

    void dialogOutcomesBecomeTheGameResults_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK clicked") << 0 << int(CModal::IdOk);
        QTest::newRow("rejected") << 1 << int(CModal::IdCancel);
        QTest::newRow("ended with an id") << 2 << 1049;
        QTest::newRow("answer without touching the dialog") << 3 << 1040;
    }
    void dialogOutcomesBecomeTheGameResults() {
        QFETCH(int, action);
        QFETCH(int, expected);
        COpeningDialog dialog;
        CModal::SetAnswerer([&dialog, action](const CModal::SRequest& request) {
            if (request.dialog != &dialog) return -1;
            switch (action) {
                case 0:
                    dialog.m_pOk->click();
                    break;
                case 1:
                    dialog.reject();
                    break;
                case 2:
                    dialog.done(1049);
                    break;
                default:
                    return 1040;
            }
            return dialog.result();
        });
        QCOMPARE(CModal::Run(dialog), expected);
        QVERIFY(!dialog.isVisible());
    }

    void withoutAnAnswererAMessageBoxAsksForReal_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK") << int(CModal::OkOnly) << int(QMessageBox::Ok) << int(CModal::IdOk);
        QTest::newRow("Yes") << int(CModal::YesNo) << int(QMessageBox::Yes) << int(CModal::IdYes);
        QTest::newRow("No") << int(CModal::YesNo) << int(QMessageBox::No) << int(CModal::IdNo);
    }
    void withoutAnAnswererAMessageBoxAsksForReal() {
        QFETCH(int, buttons);
        QFETCH(int, click);
        QFETCH(int, expected);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return modal->close();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            if (QAbstractButton* button = box->button(QMessageBox::StandardButton(click)))
                button->click();
            else
                box->close();
            return true;
        });
        const int result =
            CModal::Message(nullptr, QStringLiteral("Unable to open data file"),
                            QStringLiteral("File Error!"), CModal::EButtons(buttons), CModal::Stop);
        QCOMPARE(result, expected);
        QCOMPARE(title, QStringLiteral("File Error!"));
        QCOMPARE(text, QStringLiteral("Unable to open data file"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void withoutAnAnswererADialogRunsItsOwnLoop() {
        COpeningDialog dialog;
        OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(CModal::Run(dialog), int(CModal::IdCancel));
        QCOMPARE(dialog.m_nOpened, 1);
    }

    void scriptAnswersInTurnAndRecordsEveryRequest() {
        CModalScript script;
        script.Answer(CModal::IdYes).Answer([](const CModal::SRequest& request) {
            static_cast<COpeningDialog*>(request.dialog)->m_pOk->click();
            return request.dialog->result();
        });
        QCOMPARE(CModal::Message(nullptr, "Sure?", "Confirmation", CModal::YesNo, CModal::Question),
                 int(CModal::IdYes));
        COpeningDialog dialog;
        QCOMPARE(CModal::Run(dialog), int(CModal::IdOk));

        QCOMPARE(script.Requests().size(), std::size_t(2));
        QCOMPARE(script.Requests()[0].text, QStringLiteral("Sure?"));
        QCOMPARE(script.Requests()[0].result, int(CModal::IdYes));
        QVERIFY(script.Requests()[1].isDialog);
        QCOMPARE(script.Requests()[1].caption, QStringLiteral("Opened"));
        QCOMPARE(script.Unscripted(), 0);
        QCOMPARE(script.Pending(), 0);
    }

    void unscriptedRequestsGetTheAnswerThatChangesLeast() {
        CModalScript script;
        COpeningDialog dialog;
        QCOMPARE(CModal::AppMessage("Note"), int(CModal::IdOk));
        QCOMPARE(CModal::Message(nullptr, "Delete?", "Confirmation", CModal::YesNo),
                 int(CModal::IdNo));
        QCOMPARE(CModal::Run(dialog), int(CModal::IdCancel));
        QCOMPARE(script.Unscripted(), 3);
    }

    void aQuestionAskedWhileAnsweringIsRecordedAfterItsCause() {
        CModalScript script;
        script.Answer([](const CModal::SRequest&) {
            return CModal::Message(nullptr, "inner", "Inner", CModal::YesNo);
        });
        script.Answer(CModal::IdYes);
        QCOMPARE(CModal::Message(nullptr, "outer", "Outer", CModal::YesNo), int(CModal::IdYes));
        QCOMPARE(script.Requests().size(), std::size_t(2));
        QCOMPARE(script.Requests()[0].text, QStringLiteral("outer"));
        QCOMPARE(script.Requests()[1].text, QStringLiteral("inner"));
    }

    void aScriptStopsAnsweringWhenItEnds() {
        { CModalScript script; }
        bool asked = false;
        OnNextModal([&asked](QWidget* modal) {
            asked = true;
            modal->close();
        });
        CModal::AppMessage("real again");
        QVERIFY(asked);
    }
};

QTEST_MAIN(TestModal)
#include "tst_modal.moc"
