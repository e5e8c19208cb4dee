#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class CGamePlayer;
class CPlayerApp;
class CPlayerListBox;
class IClock;
class IFileSystem;
class QLineEdit;
class QPushButton;

// "Select Player": picks a seat's player from the players index or adds a new
// one, or, in statistics mode, picks whose statistics to show.
class CSelectPlayer : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 143;
    static constexpr int kNameId = 1029;
    static constexpr int kListId = 1028;
    static constexpr int kStatisticsId = 1030;
    static constexpr int kMaxName = 60;

    CSelectPlayer(CPlayerApp& app, IClock& clock, QWidget* parent = nullptr);

    // Runs the dialog for seat nPlayer (0 or 1); CModal::IdOk or IdCancel. On
    // IdOk the seat's player is the chosen one with its records, or a new one.
    virtual int DoModal(int nPlayer);

    bool m_bStatsMode = false;
    int m_nPlayer = 0;
    // Shows a player's statistics: the statistics dialog over this one, for a
    // new game's seat as for the Player Statistics command. A test may hand in its own.
    std::function<void(CGamePlayer&)> m_fnShowStatistics;

public slots:
    void accept() override;
    void OnStatistics();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnNameChanged();
    void OnNameKillFocus();
    void OnSelChange();
    void OnListDoubleClick();
    // Selects without running the selection rule, as only the user's choice does.
    void SelectQuietly(int nIndex);
    CGamePlayer* Seat(int nSeat) const;
    bool TakeExisting(CGamePlayer& player, int nIndex);
    bool AddNew(CGamePlayer& player);
    void Report(const std::string& text, const std::string& caption);

    CPlayerApp& m_app;
    IClock& m_clock;
    IFileSystem& m_files;
    QLineEdit* m_pName = nullptr;
    CPlayerListBox* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pStatistics = nullptr;
    QString m_strTitle;  // the template's, kept in statistics mode
    bool m_bSelecting = false;
};
