#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
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
        m_pOk = new QPushButton(QStringLiteral("OK"), this);
        connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    }
    QPushButton* m_pOk;
    int m_nOpened = 0;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        ++m_nOpened;
        setWindowTitle(QStringLiteral("Opened"));
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
        CModalScript script;
        script.Answer(CModal::IdNo);
        const QString text = QStringLiteral("Are you sure you want to quit?");
        const int result = app ? CModal::AppMessage(text)
                               : CModal::Message(&owner, text, caption, CModal::EButtons(buttons),
                                                 CModal::EIcon(icon));
        QCOMPARE(result, int(CModal::IdNo));
        const CModal::SRequest& seen = script.Requests().at(0);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.buttons), buttons);
        QCOMPARE(int(seen.icon), icon);
        QVERIFY(seen.dialog == nullptr);
        if (!app) QCOMPARE(seen.owner, &owner);
    }

    void answeredDialogIsSeenOpenedWithoutAnEventLoop() {
        COpeningDialog dialog;
        CModalScript script;
        int loopLevel = -1;
        bool shown = false;
        script.Answer([&](const CModal::SRequest&) {
            loopLevel = QThread::currentThread()->loopLevel();
            shown = dialog.isVisible();
            return CModal::IdOk;
        });
        QCOMPARE(CModal::Run(dialog), int(CModal::IdOk));
        QCOMPARE(script.Requests().at(0).dialog, &dialog);
        QCOMPARE(script.Requests().at(0).caption, QStringLiteral("Opened"));
        QCOMPARE(loopLevel, 0);
        QVERIFY(shown);
    }

    // The same outcomes whether a test answers or the dialog runs its own loop.
    void dialogOutcomesBecomeTheGameResults_data() {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("expected");
        for (bool answered : {true, false}) {
            const char* how = answered ? "answered, " : "own loop, ";
            QTest::addRow("%sOK clicked", how) << answered << 0 << int(CModal::IdOk);
            QTest::addRow("%srejected", how) << answered << 1 << int(CModal::IdCancel);
            QTest::addRow("%sended with an id", how) << answered << 2 << 1049;
        }
        QTest::newRow("answer without touching the dialog") << true << 3 << 1040;
    }
    void dialogOutcomesBecomeTheGameResults() {
        QFETCH(bool, answered);
        QFETCH(int, action);
        QFETCH(int, expected);
        COpeningDialog dialog;
        auto act = [&dialog, action] {
            if (action == 0) dialog.m_pOk->click();
            if (action == 1) dialog.reject();
            if (action == 2) dialog.done(1049);
            return action == 3 ? 1040 : dialog.result();
        };
        if (answered)
            CModal::SetAnswerer([&act](const CModal::SRequest&) { return act(); });
        else
            OnNextModal([&act](QWidget*) { act(); });
        QCOMPARE(CModal::Run(dialog), expected);
        QCOMPARE(dialog.m_nOpened, 1);
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
        { CModalScript ended; }  // and no script that ended answers any more
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

    void anUnscriptedRequestGetsTheAnswerThatChangesLeast() {
        CModalScript script;
        COpeningDialog dialog;
        QCOMPARE(CModal::AppMessage("Note"), int(CModal::IdOk));
        QCOMPARE(CModal::Message(nullptr, "Delete?", "Confirmation", CModal::YesNo),
                 int(CModal::IdNo));
        QCOMPARE(CModal::Run(dialog), int(CModal::IdCancel));
        QCOMPARE(script.Unscripted(), 3);
    }
};

QTEST_MAIN(TestModal)
#include "tst_modal.moc"
