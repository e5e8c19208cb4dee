#include "players/CDeletePlayersDlg.h"

#include <QPushButton>
#include <QShowEvent>

#include "platform/CDialogBuilder.h"
#include "platform/CWindowPlacement.h"
#include "players/CPlayerApp.h"
#include "players/CPlayerDeletion.h"
#include "players/CPlayerListBox.h"
#include "players/CUserMessage.h"

CDeletePlayersDlg::CDeletePlayersDlg(CPlayerApp& app, QWidget* parent)
    : QDialog(parent), m_app(app) {
    CDialogBuilder builder(kTemplate);
    builder.Make(kListId, [](QWidget* dialog, const SControlTemplate&) {
        auto* list = new CPlayerListBox(dialog);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        return list;
    });
    builder.Build(*this);
    m_pList = CDialogBuilder::ControlAs<CPlayerListBox>(*this, kListId);
    m_pOk = CDialogBuilder::ControlAs<QPushButton>(*this, 1);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] { OnSelChange(); });
}

void CDeletePlayersDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    CWindowPlacement::CentreOnOwner(*this);
    const CPlayerDeletion deletion(m_app);
    const QSignalBlocker quiet(m_pList);
    m_pList->Fill(CPlayersIndex(m_app.Files()), m_app.PlayersDir(), CUserMessage::For(this),
                  [&deletion](const SIndexEntry& entry) { return !deletion.IsOffered(entry); });
    OnSelChange();
}

void CDeletePlayersDlg::OnSelChange() {
    m_pOk->setEnabled(!m_pList->selectedItems().isEmpty());
}

void CDeletePlayersDlg::accept() {
    if (m_pList->selectedItems().isEmpty()) return;
    if (!CUserMessage::Confirm(this, "Delete the selected players and their saved games?")) return;
    std::vector<SListedPlayer> listed(static_cast<std::size_t>(m_pList->count()));
    for (int i = 0; i < m_pList->count(); ++i) {
        SListedPlayer& player = listed[static_cast<std::size_t>(i)];
        m_pList->GetItem(i, player.entry.strName, player.entry.strFile);
        player.bChosen = m_pList->item(i)->isSelected();
    }
    CPlayerDeletion deletion(m_app);
    deletion.Delete(listed);
    if (!deletion.Failed().empty()) CUserMessage::Show(this, deletion.FailureText(), "File Error");
    if (!deletion.IndexWritten())
        CUserMessage::Show(this, "Please re-install Brainwick!", "File Error");
    QDialog::accept();
}
