#include "players/CSelectPlayer.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"
#include "platform/CWindowPlacement.h"
#include "players/CDiskFileSystem.h"
#include "players/CGamePlayer.h"
#include "players/CPlayerApp.h"
#include "players/CPlayerListBox.h"
#include "players/CPlayersIndex.h"
#include "players/CStatisticsDlg.h"
#include "players/CUserMessage.h"

CSelectPlayer::CSelectPlayer(CPlayerApp& app, IClock& clock, QWidget* parent)
    : QDialog(parent), m_app(app), m_clock(clock), m_files(app.Files()) {
    CDialogBuilder builder(kTemplate);
    builder.Make(kListId, [](QWidget* dialog, const SControlTemplate&) {
        return new CPlayerListBox(dialog);
    });
    builder.Build(*this);
    m_strTitle = windowTitle();
    m_pName = CDialogBuilder::ControlAs<QLineEdit>(*this, kNameId);
    m_pList = CDialogBuilder::ControlAs<CPlayerListBox>(*this, kListId);
    m_pOk = CDialogBuilder::ControlAs<QPushButton>(*this, 1);
    m_pStatistics = CDialogBuilder::ControlAs<QPushButton>(*this, kStatisticsId);
    m_pName->setAccessibleName(QStringLiteral("Player's name"));
    m_pList->setAccessibleName(QStringLiteral("Players"));

    m_pName->setMaxLength(kMaxName);
    m_pName->installEventFilter(this);
    connect(m_pName, &QLineEdit::textChanged, this, [this] { OnNameChanged(); });
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_bSelecting) OnSelChange();
    });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnListDoubleClick(); });
    connect(m_pStatistics, &QPushButton::clicked, this, &CSelectPlayer::OnStatistics);
    m_fnShowStatistics = [this](CGamePlayer& player) {
        CStatisticsDlg statistics(m_app, this);
        statistics.m_pPlayer = &player;
        CModal::Run(statistics);
    };
}

int CSelectPlayer::DoModal(int nPlayer) {
    if (!m_bStatsMode) {
        m_nPlayer = nPlayer;
        if (!Seat(m_nPlayer)) {
            CModal::AppMessage(QStringLiteral("Void Player in CSelectPlayer"));
            return CModal::IdCancel;
        }
    }
    return CModal::Run(*this);
}

void CSelectPlayer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // One object serves both seats, so every run starts afresh.
    setWindowTitle(m_bStatsMode ? m_strTitle
                                : QStringLiteral("Select or Add Player %1").arg(m_nPlayer + 1));
    m_pOk->setText(m_bStatsMode ? QStringLiteral("Done") : QStringLiteral("OK"));
    m_pName->clear();
    OnNameChanged();
    SelectQuietly(-1);
    {
        const QSignalBlocker quiet(m_pList);
        m_pList->Fill(
            CPlayersIndex(m_files), m_app.PlayersDir(),
            [this](const std::string& text, const std::string& caption) { Report(text, caption); });
    }
    m_pName->setFocus();
    CWindowPlacement::CentreOnOwner(*this);
}

bool CSelectPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pName && event->type() == QEvent::FocusOut) OnNameKillFocus();
    return QDialog::eventFilter(watched, event);
}

void CSelectPlayer::OnNameChanged() {
    const QString text = m_pName->text();
    if (text.isEmpty()) {
        m_pOk->setEnabled(false);
        m_pStatistics->setEnabled(false);
        return;
    }
    const int nFound = m_pList->FindPrefix(text);
    if (nFound >= 0) SelectQuietly(nFound);
    m_pOk->setEnabled(true);
}

void CSelectPlayer::OnNameKillFocus() {
    const QString text = m_pName->text();
    SelectQuietly(text.isEmpty() ? -1 : m_pList->FindExact(text));
}

void CSelectPlayer::OnSelChange() {
    const int nSelected = m_pList->Selected();
    if (nSelected < 0) {
        m_pOk->setEnabled(false);
        m_pStatistics->setEnabled(false);
        return;
    }
    {
        const QSignalBlocker quiet(m_pName);
        m_pName->setText(m_pList->item(nSelected)->text());
    }
    // The name rule runs even when the text stays the same: of two equal
    // names it selects the upper one.
    OnNameChanged();
    m_pOk->setEnabled(true);
    m_pStatistics->setEnabled(true);
}

void CSelectPlayer::OnListDoubleClick() {
    if (m_pList->Selected() < 0) return;
    if (m_bStatsMode)
        OnStatistics();
    else
        accept();
}

void CSelectPlayer::SelectQuietly(int nIndex) {
    m_bSelecting = true;
    m_pList->Select(nIndex);
    m_bSelecting = false;
}

CGamePlayer* CSelectPlayer::Seat(int nSeat) const {
    return nSeat == 0 || nSeat == 1 ? m_app.m_pPlayers[nSeat].get() : nullptr;
}

void CSelectPlayer::accept() {
    if (m_bStatsMode) {
        QDialog::accept();
        return;
    }
    CGamePlayer* pPlayer = Seat(m_nPlayer);
    if (!pPlayer) return;  // DoModal never shows the dialog for an empty seat
    const int nSelected = m_pList->Selected();
    if (nSelected >= 0 ? TakeExisting(*pPlayer, nSelected) : AddNew(*pPlayer)) QDialog::accept();
}

bool CSelectPlayer::TakeExisting(CGamePlayer& player, int nIndex) {
    std::string name;
    std::string file;
    m_pList->GetItem(nIndex, name, file);
    // Both seats would save to the same file, the later save wiping out the
    // other seat's game.
    const CGamePlayer* pFirst = Seat(0);
    if (m_nPlayer == 1 && pFirst && !file.empty() && pFirst->m_strFile == file) {
        Report(name + " is already player 1. Please choose another player.", "Player Taken");
        return false;
    }
    player.m_strName = name;
    player.m_strFile = file;
    player.Clear();
    player.Load(m_app.PlayersDir());
    return true;
}

bool CSelectPlayer::AddNew(CGamePlayer& player) {
    if (CModal::Message(this, QStringLiteral("Add new player?"), QStringLiteral("Confirmation"),
                        CModal::YesNo, CModal::Question) != CModal::IdYes)
        return false;
    const std::string name = m_pName->text().toStdString();
    if (name.empty()) return false;
    const std::string dir = m_app.PlayersDir();
    const std::string previous = player.m_strName;
    // A player without a file could never be saved: refuse it rather than
    // list it in the index.
    if (!player.CreatePlayerFile(name, dir)) {
        player.m_strName = previous;
        Report("Unable to create a player file for " + name + "!", "File Error");
        return false;
    }
    player.Clear();
    player.Save(dir);
    if (!CPlayersIndex(m_files).Append(dir, {player.m_strName, player.m_strFile}))
        Report("Unable to open data file", "File Error!");
    return true;
}

void CSelectPlayer::OnStatistics() {
    const int nSelected = m_pList->Selected();
    if (nSelected < 0) return;
    CGamePlayer temporary(
        m_clock,
        [this](const std::string& text, const std::string& caption) { Report(text, caption); },
        m_files);
    m_pList->GetItem(nSelected, temporary.m_strName, temporary.m_strFile);
    // A player of the game in progress is shown as held in memory, with the
    // records not yet saved. An entry without a file is nobody's.
    CGamePlayer* pShown = nullptr;
    for (int nSeat : {0, 1}) {
        CGamePlayer* pSeat = Seat(nSeat);
        if (pSeat && !temporary.m_strFile.empty() && pSeat->m_strFile == temporary.m_strFile)
            pShown = pSeat;
    }
    if (!pShown) {
        temporary.Load(m_app.PlayersDir());
        pShown = &temporary;
    }
    if (m_fnShowStatistics) m_fnShowStatistics(*pShown);
}

void CSelectPlayer::Report(const std::string& text, const std::string& caption) {
    CUserMessage::Show(this, text, caption);
}
