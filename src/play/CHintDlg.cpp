#include "play/CHintDlg.h"

#include <QPushButton>
#include <QShowEvent>

#include "platform/CDialogBuilder.h"
#include "platform/CWindowPlacement.h"

CHintDlg::CHintDlg(QWidget* parent) : QDialog(parent) {
    CDialogBuilder(kTemplate).Build(*this);
    for (int id : {kOptimal, kOperators}) {
        if (auto* button = CDialogBuilder::ControlAs<QPushButton>(*this, id)) {
            connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        }
    }
}

void CHintDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred over the window that asked for the hint.
    CWindowPlacement::CentreOnOwner(*this);
}
