#pragma once

#include <QDialog>
class CPlayerApp;
class CPlayerListBox;
class QPushButton;

// "Delete Players": removes the chosen players, their files with every game
// record and their entries in the players index. The players of the game in
// progress are not offered.
class CDeletePlayersDlg : public QDialog {
    Q_OBJECT
public:
    enum { kTemplate = 142, kListId = 1028 };  // the template and its list of players

    explicit CDeletePlayersDlg(CPlayerApp& app, QWidget* parent = nullptr);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnSelChange();

    CPlayerApp& m_app;
    CPlayerListBox* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
};
