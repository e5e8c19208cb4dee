#include "players/CStatisticsDlg.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"
#include "platform/CWindowPlacement.h"
#include "players/CGameStats.h"
#include "players/CPlayer.h"
#include "players/CPlayerApp.h"
#include "players/CProgressChart.h"
#include "players/CProgressSummary.h"
#include "players/CStatistics.h"
#include "players/CStatsCsv.h"
#include "players/CStatsReport.h"
#include "players/CUserMessage.h"
#include "players/ShownText.h"

namespace {

const int kRecordRole = Qt::UserRole;

const CStatistics* RecordOf(const QListWidgetItem& entry) {
    return reinterpret_cast<const CStatistics*>(entry.data(kRecordRole).value<quintptr>());
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(CPlayerApp& app, QWidget* parent) : QDialog(parent), m_app(app) {
    CDialogBuilder(kTemplate)
        .Make(kChartId,
              [](QWidget* owner, const SControlTemplate&) { return new CProgressChart(owner); })
        .Build(*this);
    m_pChart = CDialogBuilder::ControlAs<CProgressChart>(*this, kChartId);
    m_pList = CDialogBuilder::ControlAs<QListWidget>(*this, kListId);
    m_pReport = CDialogBuilder::ControlAs<QPlainTextEdit>(*this, kReportId);
    m_pNoGame = CDialogBuilder::ControlAs<QLabel>(*this, kNoGameId);
    m_pPrint = CDialogBuilder::ControlAs<QPushButton>(*this, kPrintId);
    m_pPurge = CDialogBuilder::ControlAs<QPushButton>(*this, kPurgeId);
    m_pPurgeAll = CDialogBuilder::ControlAs<QPushButton>(*this, kPurgeAllId);
    m_pList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] { OnSelChange(); });
    connect(m_pPrint, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(m_pPurge, &QPushButton::clicked, this, [this] { OnPurge(); });
    connect(m_pPurgeAll, &QPushButton::clicked, this, [this] { OnPurgeAll(); });
    auto* pExport = CDialogBuilder::ControlAs<QPushButton>(*this, kExportId);
    connect(pExport, &QPushButton::clicked, this, [this] { OnExport(); });
}

void CStatisticsDlg::BuildReport(std::string& report, const CStatistics& record, bool bCrLf) const {
    CStatsReport::BuildReport(report, m_pPlayer->m_strName, record, bCrLf);
}

void CStatisticsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    CWindowPlacement::CentreOnOwner(*this);
    if (!m_pPlayer) {
        CModal::Message(this, QStringLiteral("No Valid Player Selected!"), QStringLiteral("Error"));
        // Ended from inside its event loop: a dialog closed while it opens
        // would leave exec() waiting on a hidden window.
        QMetaObject::invokeMethod(
            this, [this] { done(CModal::IdCancel); }, Qt::QueuedConnection);
        return;
    }
    Fill();
}

void CStatisticsDlg::Fill() {
    const QSignalBlocker quiet(m_pList);
    m_pList->clear();
    // Offered whenever there is a record, also when the only one is the game in
    // progress, which is never listed.
    m_pPurgeAll->setEnabled(!m_pPlayer->m_records.empty());
    // Entries are as wide as the list scrolls, so it scrolls that far across.
    // Every row is as high as the first: measured once, and each entry gets
    // its size before it joins the sorted list, which would otherwise sort it
    // again on every change (thousands of records open at once so).
    int height = 0;
    for (const auto& pRecord : m_pPlayer->m_records) {
        // The game in progress is still being played: nothing to report or purge yet.
        if (pRecord.get() == m_pPlayer->m_pCurrentStats) continue;
        auto* entry = new QListWidgetItem(ShownText(pRecord->m_strStarted));
        entry->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(pRecord.get())));
        if (height > 0) entry->setSizeHint(QSize(kHorizontalExtent, height));
        m_pList->addItem(entry);  // the list sorts by the text, month first
        if (height == 0) {
            height = m_pList->sizeHintForRow(m_pList->row(entry));
            entry->setSizeHint(QSize(kHorizontalExtent, height));
        }
    }
    ShowProgress();
}

void CStatisticsDlg::ShowProgress() {
    m_pChart->SetSummary(CProgressSummary(*m_pPlayer));
}

void CStatisticsDlg::ClearReport() {
    m_pReport->clear();
    m_pNoGame->clear();
}

const CStatistics* CStatisticsDlg::SelectedRecord() const {
    const QList<QListWidgetItem*> chosen = m_pList->selectedItems();
    return chosen.isEmpty() ? nullptr : RecordOf(*chosen.first());
}

void CStatisticsDlg::OnSelChange() {
    ClearReport();
    const CStatistics* pRecord = SelectedRecord();
    m_pPrint->setEnabled(pRecord != nullptr);
    m_pPurge->setEnabled(pRecord != nullptr);
    if (!pRecord) return;
    std::string report;
    BuildReport(report, *pRecord, true);
    // The report's CR LF ends are the edit box's line breaks.
    m_pReport->setPlainText(
        ShownText(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CStatisticsDlg::OnPrint() {
    const CStatistics* pRecord = SelectedRecord();
    if (!pRecord) return;
    std::string report;
    BuildReport(report, *pRecord, false);
    const std::string dir = m_app.PlayersDir();
    if (!CStatsReport::WriteFile(dir, report, m_app.Files())) {
        CModal::AppMessage(QStringLiteral("Unable to write statistics!"));
        return;
    }
    m_editor.Open(QFile::decodeName(QByteArray::fromStdString(dir + CStatsReport::kFileName)));
}

void CStatisticsDlg::OnPurge() {
    const QList<QListWidgetItem*> chosen = m_pList->selectedItems();
    if (chosen.isEmpty()) return;
    if (!CUserMessage::Confirm(this, "Are you sure you want to delete this record?")) return;
    QListWidgetItem* entry = chosen.first();
    m_pPlayer->RemoveRecord(RecordOf(*entry));
    {
        // Taking the entry out is no choice of the user's: Print keeps its state.
        const QSignalBlocker quiet(m_pList);
        delete entry;
        m_pList->clearSelection();
    }
    ClearReport();
    ShowProgress();
    SavePlayer();
    m_pPurge->setEnabled(false);
    if (m_pList->count() == 0) m_pPurgeAll->setEnabled(false);
}

void CStatisticsDlg::OnPurgeAll() {
    if (!CUserMessage::Confirm(this, "Are you sure you want ALL records for this player?")) return;
    m_pPlayer->RemoveAllButCurrent();
    ClearReport();
    {
        const QSignalBlocker quiet(m_pList);
        m_pList->clear();
    }
    ShowProgress();
    SavePlayer();
    m_pPurgeAll->setEnabled(false);
    m_pPurge->setEnabled(false);
}

void CStatisticsDlg::OnExport() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString suggested = ShownText(m_pPlayer->m_strName) + QStringLiteral(".csv");
    suggested = QDir(documents).filePath(suggested.replace(QLatin1Char('/'), QLatin1Char('_')));
    const QString name = CModal::SaveFileName(this, QStringLiteral("Export Games"), suggested,
                                              QStringLiteral("CSV files (*.csv)"));
    if (name.isEmpty()) return;
    // Every record, the game in progress too: the file is the player's whole history.
    if (!CStatsCsv::WriteFile(QFile::encodeName(name).toStdString(), m_pPlayer->m_records,
                              m_app.Files()))
        CModal::AppMessage(QStringLiteral("Unable to export the games to %1!").arg(name));
}

void CStatisticsDlg::SavePlayer() {
    // A player file that cannot be written is reported by the player itself,
    // naming the file; the records are gone from memory all the same.
    m_pPlayer->Save(m_app.PlayersDir());
}
