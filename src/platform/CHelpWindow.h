#pragma once

#include <QStringList>
#include <QWidget>

#include "platform/CHelpFile.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QUrl;

// The help viewer: a window of its own, neither modal nor blocked by the
// game's modal dialogs and boxes, closed by Escape, that shows the help file's
// contents page or one topic at a time, follows the links between topics,
// goes back and forward, and finds text on the page. A help file that cannot
// be read is reported on the window's own page, so the game never has to ask.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(const QString& path, QWidget* parent = nullptr);

    // The contents page for context 0 and for a number no topic carries.
    void ShowContext(int nContext);
    // A topic by its slug; the contents page for CHelpFile::kContentsSlug.
    void ShowTopic(const QString& slug);
    // The title of the page shown ("Contents" for the contents page).
    QString CurrentTitle() const;

    void Back();
    void Forward();
    // Finds the text of the find field after (or before) the selection,
    // starting again at the other end of the page; false when it is not there.
    bool Find(bool bBackward);

protected:
    bool event(QEvent* event) override;

private:
    void BuildControls();
    void OnLink(const QUrl& url);
    void ShowPage();

    CHelpFile m_file;
    bool m_bLoaded = false;
    QString m_strPath;
    // Pages seen, by slug; m_nAt is the one shown.
    QStringList m_history;
    int m_nAt = -1;

    QTextBrowser* m_pBrowser = nullptr;
    QToolButton* m_pBack = nullptr;
    QToolButton* m_pForward = nullptr;
    QLineEdit* m_pFind = nullptr;
    QLabel* m_pFindStatus = nullptr;
};
