#include "platform/CHelpWindow.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString kContents = QLatin1String(CHelpFile::kContentsSlug);

QToolButton* AddButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), m_strPath(path) {
    setWindowTitle(QStringLiteral("Tallyfold Help"));
    BuildControls();
    resize(640, 560);
    m_bLoaded = m_file.Load(path);
    ShowTopic(kContents);
}

void CHelpWindow::BuildControls() {
    auto* bar = new QHBoxLayout;
    connect(AddButton(bar, QStringLiteral("Contents"), QStringLiteral("contents")),
            &QToolButton::clicked, this, [this] { ShowTopic(kContents); });
    m_pBack = AddButton(bar, QStringLiteral("Back"), QStringLiteral("back"));
    m_pForward = AddButton(bar, QStringLiteral("Forward"), QStringLiteral("forward"));
    connect(m_pBack, &QToolButton::clicked, this, &CHelpWindow::Back);
    connect(m_pForward, &QToolButton::clicked, this, &CHelpWindow::Forward);
    bar->addStretch();
    m_pFind = new QLineEdit;
    m_pFind->setObjectName(QStringLiteral("find"));
    m_pFind->setPlaceholderText(QStringLiteral("Find (Ctrl+F)"));
    m_pFind->setClearButtonEnabled(true);
    bar->addWidget(m_pFind);
    connect(m_pFind, &QLineEdit::returnPressed, this, [this] { Find(false); });
    connect(AddButton(bar, QStringLiteral("Previous"), QStringLiteral("findPrevious")),
            &QToolButton::clicked, this, [this] { Find(true); });
    connect(AddButton(bar, QStringLiteral("Next"), QStringLiteral("findNext")),
            &QToolButton::clicked, this, [this] { Find(false); });
    m_pFindStatus = new QLabel;
    bar->addWidget(m_pFindStatus);

    m_pBrowser = new QTextBrowser;
    m_pBrowser->setObjectName(QStringLiteral("page"));
    // Links name topics of this file, so the window follows them itself.
    m_pBrowser->setOpenLinks(false);
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpWindow::OnLink);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_pBrowser);

    new QShortcut(QKeySequence::Find, this, [this] {
        m_pFind->setFocus();
        m_pFind->selectAll();
    });
    new QShortcut(QKeySequence::FindNext, this, [this] { Find(false); });
    new QShortcut(QKeySequence::FindPrevious, this, [this] { Find(true); });
    new QShortcut(QKeySequence::Back, this, this, &CHelpWindow::Back);
    new QShortcut(QKeySequence::Forward, this, this, &CHelpWindow::Forward);
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
}

bool CHelpWindow::event(QEvent* event) {
    // The help is read beside the game's dialogs, F1 in the setup dialog
    // included: a modal window that would block it becomes the one it belongs
    // to, and a window is never blocked by one it belongs to.
    if (event->type() == QEvent::WindowBlocked && windowHandle())
        windowHandle()->setTransientParent(QGuiApplication::modalWindow());
    return QWidget::event(event);
}

void CHelpWindow::ShowContext(int nContext) {
    const CHelpFile::STopic* topic = nContext != 0 ? m_file.FindContext(nContext) : nullptr;
    ShowTopic(topic ? topic->slug : kContents);
}

void CHelpWindow::ShowTopic(const QString& slug) {
    const QString page = m_file.FindSlug(slug) ? slug : kContents;
    if (m_nAt >= 0 && m_history[m_nAt] == page) return;
    m_history.erase(m_history.begin() + (m_nAt + 1), m_history.end());
    m_history.append(page);
    m_nAt = int(m_history.size()) - 1;
    ShowPage();
}

QString CHelpWindow::CurrentTitle() const {
    const CHelpFile::STopic* topic = m_nAt >= 0 ? m_file.FindSlug(m_history[m_nAt]) : nullptr;
    return topic ? topic->title : QStringLiteral("Contents");
}

void CHelpWindow::Back() {
    if (m_nAt <= 0) return;
    --m_nAt;
    ShowPage();
}

void CHelpWindow::Forward() {
    if (m_nAt + 1 >= int(m_history.size())) return;
    ++m_nAt;
    ShowPage();
}

bool CHelpWindow::Find(bool bBackward) {
    const QString text = m_pFind->text();
    if (text.isEmpty()) return false;
    QTextDocument::FindFlags flags;
    if (bBackward) flags |= QTextDocument::FindBackward;
    bool bFound = m_pBrowser->find(text, flags);
    if (!bFound) {
        QTextCursor cursor = m_pBrowser->textCursor();
        cursor.movePosition(bBackward ? QTextCursor::End : QTextCursor::Start);
        m_pBrowser->setTextCursor(cursor);
        bFound = m_pBrowser->find(text, flags);
    }
    m_pFindStatus->setText(bFound ? QString() : QStringLiteral("Not found"));
    return bFound;
}

void CHelpWindow::OnLink(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment())
        ShowTopic(url.fragment());
}

void CHelpWindow::ShowPage() {
    const CHelpFile::STopic* topic = m_file.FindSlug(m_history[m_nAt]);
    if (!m_bLoaded) {
        const QFileInfo info(m_strPath);
        m_pBrowser->setMarkdown(
            QStringLiteral("# Help is not available\n\nThe help file **%1** could not be read "
                           "(%2).\n\nIt is looked for at `%3`, in the folder the game was "
                           "started from. Installing the game again puts it back.\n")
                .arg(info.fileName(), m_file.Error(), info.absoluteFilePath()));
    } else {
        m_pBrowser->setMarkdown(topic ? m_file.TopicPage(*topic) : m_file.ContentsPage());
    }
    m_pBack->setEnabled(m_nAt > 0);
    m_pForward->setEnabled(m_nAt + 1 < int(m_history.size()));
    m_pFindStatus->clear();
}
