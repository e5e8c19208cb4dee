#pragma once

#include <QDialog>
#include <string>

#include "platform/CTextEditor.h"

class CPlayer;
class CPlayerApp;
class CProgressChart;
class CStatistics;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Player Statistics": one player's games by start time, the report of the
// chosen game, printing it through the text editor, purging records (each
// purge saved to the player file at once), a chart of the games' progress
// and the export of every record as a CSV file.
class CStatisticsDlg : public QDialog {
    Q_OBJECT
public:
    // Template 137 and its controls.
    enum {
        kTemplate = 137,
        kListId = 1031,
        kReportId = 1032,
        kPrintId = 1033,
        kNoGameId = 1034,
        kPurgeId = 1035,
        kPurgeAllId = 1036,
        kExportId = 1037,
        kChartId = 1038,
    };
    static constexpr int kHorizontalExtent = 480;  // pixels the list scrolls across

    explicit CStatisticsDlg(CPlayerApp& app, QWidget* parent = nullptr);

    // Appends the report of one of the player's records; CR LF or LF line ends.
    void BuildReport(std::string& report, const CStatistics& record, bool bCrLf) const;

    CPlayer* m_pPlayer = nullptr;  // the player shown, set before the run; not owned
    // Where the printed report is opened; a test may hand in its own environment.
    CTextEditor m_editor;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnSelChange();
    void OnPrint();
    void OnPurge();
    void OnPurgeAll();
    void OnExport();
    void Fill();
    // The chart follows the records, once per change.
    void ShowProgress();
    void ClearReport();
    // Saves the player; a failure is told by the player's own message.
    void SavePlayer();
    const CStatistics* SelectedRecord() const;

    CPlayerApp& m_app;
    QListWidget* m_pList = nullptr;
    QPlainTextEdit* m_pReport = nullptr;
    QLabel* m_pNoGame = nullptr;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pPurge = nullptr;
    QPushButton* m_pPurgeAll = nullptr;
    CProgressChart* m_pChart = nullptr;
};
