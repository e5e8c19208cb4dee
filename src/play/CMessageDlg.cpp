#include "play/CMessageDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>

#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"

// Without a parent the window that is active owns it, as the main window does
// in play: the message stays above it and goes with it.
CMessageDlg::CMessageDlg(QWidget* parent)
    : QDialog(parent ? parent : QApplication::activeWindow()) {
    CDialogBuilder(kTemplate).Build(*this);
    if (auto* text = CDialogBuilder::ControlAs<QLabel>(*this, kTextId)) {
        // The text keeps to the two lines the template gives it; more is cut off.
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

int CMessageDlg::ShowMessage(int nLeft, int nTop, const QString& text, const QString& title) {
    m_nLeft = nLeft;
    m_nTop = nTop;
    m_strText = text;
    m_strTitle = title;
    return CModal::Run(*this);
}

void CMessageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (auto* text = CDialogBuilder::ControlAs<QLabel>(*this, kTextId)) text->setText(m_strText);
    setWindowTitle(m_strTitle);
    move(m_nLeft, m_nTop);
    // Read out as a message box is: its text, once, as it opens.
    setAccessibleDescription(m_strText);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
