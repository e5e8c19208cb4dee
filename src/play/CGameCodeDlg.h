#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "game/CGameOptions.h"

class QLineEdit;

// "Game Code" shows the code of the game in progress with a button that copies
// it; "New Game from Code" asks for one and refuses, with a message, what is
// not a code. Ends with OK (the options and seed read) or Cancel.
class CGameCodeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowTemplate = 150;
    static constexpr int kAskTemplate = 151;
    static constexpr int kCodeId = 1060;
    static constexpr int kCopyId = 1061;

    // Shows code; copying puts it on the clipboard.
    CGameCodeDlg(const std::string& code, QWidget* parent);
    // Asks for a code; the options read from it start from options.
    CGameCodeDlg(const CGameOptions& options, QWidget* parent);

    CGameOptions m_options;
    std::uint32_t m_nSeed = 0;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* Code() const;
    bool m_bAsk;
};
