#pragma once

#include <QDialog>
#include <QString>

#include "game/CGameOptions.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

// "Tallyfold! Game Setup": the options of the next game. The operator boxes are
// tied to the number signs; a broken combination is corrected where it can be
// and explained. Ends with 1 (OK: the members hold the choices), 2 (Cancel or
// Escape: the members are left as they were) or kQuitGame (the program is to end).
class CGameSetupDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 132;
    static constexpr int kQuitGame = 1049;
    static constexpr int kMaxNameLength = 12;

    explicit CGameSetupDlg(QWidget* parent = nullptr);

    // Called before the dialog runs, with the options of the game as it stands.
    // Names longer than kMaxNameLength (player files allow more) are kept as
    // they are unless edited here.
    void SetOptions(const CGameOptions& options, bool bCanCancel, bool bPlayersSelectable);
    // The choices as the dialog holds them: after OK, the next game's options.
    CGameOptions Options() const;

    // Checks the operator boxes against the sign buttons as they stand; corrects
    // the sign where a rule names the only choice, then explains. FALSE when a
    // rule was broken.
    bool ValidateSetup();

    // Radio indexes count from the group's first button; -1 when none is checked.
    int m_nPlayers = 0, m_nSigns = 2, m_nSize = 1, m_nLevel = kLevelExpert;
    COperatorSet m_operators{false, false, false, false};
    bool m_bPlaySounds = false;
    bool m_bQuickInstructions = false;
    QString m_strPlayer1, m_strPlayer2;

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog();
    void OnFirstPaint();
    void OnQuitGame();
    void FillControls();
    // The first edit holding a name typed too long, or null.
    QLineEdit* OverlongName() const;
    void ReadControls();
    QButtonGroup* Group(int nFirstId) const;
    bool IsChecked(int nId) const;
    COperatorSet CheckedOperators() const;
    void EnableSeats(bool bTwoPlayers);

    QPushButton* m_pQuitGame = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bCanCancel = true;
    bool m_bFirstPaint = true;
    bool m_bCanClose = false;
    bool m_bPlayersSelectable = true;
};
