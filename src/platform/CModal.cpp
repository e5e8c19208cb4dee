#include "platform/CModal.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

CModal::Answerer& TheAnswerer() {
    static CModal::Answerer answerer;
    return answerer;
}

// QDialog ends a rejected run with 0; the game knows that outcome as Cancel.
int AsGameResult(int result) {
    return result == QDialog::Rejected ? CModal::IdCancel : result;
}

QMessageBox::Icon BoxIcon(CModal::EIcon icon) {
    switch (icon) {
        case CModal::Information:
            return QMessageBox::Information;
        case CModal::Question:
            return QMessageBox::Question;
        case CModal::Exclamation:
            return QMessageBox::Warning;
        case CModal::Stop:
            return QMessageBox::Critical;
        case CModal::NoIcon:
            break;
    }
    return QMessageBox::NoIcon;
}

int ShowBox(QWidget* owner, const QString& text, const QString& caption, CModal::EButtons buttons,
            CModal::EIcon icon) {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(BoxIcon(icon));
    if (buttons == CModal::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (buttons == CModal::OkOnly) return CModal::IdOk;
    // A Yes/No box closed any other way counts as No, the careful answer.
    return clicked == box.button(QMessageBox::Yes) ? CModal::IdYes : CModal::IdNo;
}

}  // namespace

void CModal::SetAnswerer(Answerer answerer) {
    TheAnswerer() = std::move(answerer);
}

int CModal::Run(QDialog& dlg) {
    // A copy, so that an answerer may install another one while it answers.
    const Answerer answerer = TheAnswerer();
    if (!answerer) return AsGameResult(dlg.exec());

    const bool wasOffScreen = dlg.testAttribute(Qt::WA_DontShowOnScreen);
    dlg.setAttribute(Qt::WA_DontShowOnScreen, true);
    dlg.setResult(0);
    dlg.show();  // the dialog initialises itself in its showEvent, as it would on screen

    SRequest request;
    request.dialog = &dlg;
    request.owner = dlg.parentWidget();
    request.caption = dlg.windowTitle();
    const int result = answerer(request);

    if (dlg.isVisible()) dlg.hide();
    dlg.setResult(result);
    dlg.setAttribute(Qt::WA_DontShowOnScreen, wasOffScreen);
    return AsGameResult(result);
}

int CModal::Message(QWidget* owner, const QString& text, const QString& caption, EButtons buttons,
                    EIcon icon) {
    const Answerer answerer = TheAnswerer();
    if (!answerer) return ShowBox(owner, text, caption, buttons, icon);

    SRequest request;
    request.owner = owner;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    return answerer(request);
}

QString CModal::SaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                             const QString& filter) {
    const Answerer answerer = TheAnswerer();
    if (!answerer) return QFileDialog::getSaveFileName(owner, caption, suggested, filter);

    QString chosen;
    SRequest request;
    request.owner = owner;
    request.caption = caption;
    request.text = suggested;
    request.fileName = &chosen;
    request.filter = filter;
    return answerer(request) == IdOk ? chosen : QString();
}

int CModal::AppMessage(const QString& text, EButtons buttons, EIcon icon) {
    return Message(QApplication::activeWindow(), text, AppName(), buttons, icon);
}
