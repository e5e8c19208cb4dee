#pragma once

#include <QDialog>

// "Types of Hints": Optimal ends with 1040, Operators with 3, Cancel, Escape
// and the close box with 2.
class CHintDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 135;
    static constexpr int kOptimal = 1040;
    static constexpr int kOperators = 3;

    explicit CHintDlg(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
