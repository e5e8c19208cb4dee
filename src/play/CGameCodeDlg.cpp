#include "play/CGameCodeDlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "game/CGameCode.h"
#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"
#include "platform/CWindowPlacement.h"

CGameCodeDlg::CGameCodeDlg(const std::string& code, QWidget* parent)
    : QDialog(parent), m_bAsk(false) {
    CDialogBuilder(kShowTemplate).Build(*this);
    Code()->setText(QString::fromStdString(code));
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, kCopyId), &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Code()->text()); });
}

CGameCodeDlg::CGameCodeDlg(const CGameOptions& options, QWidget* parent)
    : QDialog(parent), m_options(options), m_bAsk(true) {
    CDialogBuilder(kAskTemplate).Build(*this);
    Code()->setMaxLength(2 * CGameCode::kLength);  // room for spaces and hyphens
}

QLineEdit* CGameCodeDlg::Code() const {
    return CDialogBuilder::ControlAs<QLineEdit>(*this, kCodeId);
}

void CGameCodeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CWindowPlacement::CentreOnOwner(*this);
    Code()->setAccessibleName(QStringLiteral("Game code"));
    Code()->setFocus();
    Code()->selectAll();
}

void CGameCodeDlg::accept() {
    if (m_bAsk && !CGameCode::Read(Code()->text().toStdString(), m_options, m_nSeed)) {
        CModal::Message(this,
                        QStringLiteral("\"%1\" is not a game code. A game code has %2 letters and "
                                       "digits, as File > Game Code shows them.")
                            .arg(Code()->text().trimmed())
                            .arg(CGameCode::kLength),
                        windowTitle(), CModal::OkOnly, CModal::Exclamation);
        Code()->setFocus();
        return;
    }
    QDialog::accept();
}
