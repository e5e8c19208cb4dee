#pragma once

#include <QDialog>
#include <QString>

// The game's own message window: a title, two lines of text and OK, opened
// with its top-left corner at a given screen point (the main window's anchor)
// and never resized to its text.
class CMessageDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 136;
    static constexpr int kTextId = 1041;

    explicit CMessageDlg(QWidget* parent = nullptr);

    // Shows text under title at (nLeft, nTop) on the screen, modally; returns
    // the dialog's result.
    virtual int ShowMessage(int nLeft, int nTop, const QString& text, const QString& title);

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_nLeft = 0;
    int m_nTop = 0;
    QString m_strTitle;
    QString m_strText;
};
