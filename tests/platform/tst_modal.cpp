#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include "platform/CModal.h"
#include "support/CModalScript.h"

namespace {

// Prepares itself when it opens, as the game's dialogs do.
class COpeningDialog : public QDialog {
protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        setWindowTitle(windowTitle() + QStringLiteral("Opened"));
    }
};

// Runs action on the modal window once its own event loop runs.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}

}  // namespace

class TestModal : public QObject {
    Q_OBJECT
private slots:
    // Cancel whether a test answers or the dialog runs its own loop; either way the dialog has
    // opened once and shows when the answer comes.
    void aRejectedDialogIsCancel() {
        for (bool answered : {true, false}) {
            COpeningDialog dialog;
            QString seen;
            auto act = [&] {
                seen = QString("%1 %2").arg(dialog.windowTitle()).arg(int(dialog.isVisible()));
                dialog.reject();
                return dialog.result();
            };
            CModalScript script;
            if (answered) script.Answer([&act](const CModal::SRequest&) { return act(); });
            if (!answered) CModal::SetAnswerer(nullptr);
            if (!answered) OnNextModal([&act](QWidget*) { act(); });
            QCOMPARE(CModal::Run(dialog), int(CModal::IdCancel));
            QCOMPARE(seen, QString("Opened 1"));
            QVERIFY(!dialog.isVisible());
        }
    }

    void messageBoxAsksForRealOrThroughTheAnswerer() {
        // 0: answered No; else the real box and the button clicked on it.
        for (auto [click, buttons, expected] : {std::tuple(0, CModal::YesNo, CModal::IdNo),
                                                {QMessageBox::Ok, CModal::OkOnly, CModal::IdOk},
                                                {QMessageBox::Yes, CModal::YesNo, CModal::IdYes}}) {
            QWidget owner;
            QStringList seen;
            CModal::SetAnswerer([&](const CModal::SRequest& r) {
                seen << r.caption << r.text << QString::number(r.icon == CModal::Stop)
                     << QString::number(r.buttons) << QString::number(r.owner == &owner);
                return int(CModal::IdNo);
            });
            if (click) {
                CModal::SetAnswerer(nullptr);
                OnNextModal([&, click = click](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    if (!box) return;
                    seen << box->windowTitle() << box->text()
                         << QString::number(box->icon() == QMessageBox::Critical)
                         << QString::number(box->buttons().size() - 1)
                         << QString::number(box->parentWidget() == &owner);
                    box->button(QMessageBox::StandardButton(click))->click();
                });
            }
            QCOMPARE(CModal::Message(&owner, "Cannot open", "File Error!", buttons, CModal::Stop),
                     int(expected));
            QCOMPARE(seen, (QStringList{"File Error!", "Cannot open", "1", QString::number(buttons),
                                        "1"}));
            CModal::SetAnswerer(nullptr);
        }
    }
};

QTEST_MAIN(TestModal)
#include "tst_modal.moc"
