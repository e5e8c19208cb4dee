#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
// Clicks reach the windows as the user's do, through the modality checks.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "platform/CHelp.h"
#include "platform/CHelpWindow.h"
#include "platform/CModal.h"
#include "support/CModalScript.h"

namespace {

const QString kShipped = QStringLiteral(TALLYFOLD_DATA_DIR "/VEXA.HLP");

QTextBrowser* Page(CHelpWindow& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("page"));
}

bool Enabled(CHelpWindow& window, const char* button) {
    return window.findChild<QToolButton*>(QLatin1String(button))->isEnabled();
}

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    // One window for every request, at a context's topic or, for a number no topic carries, at
    // the contents; the help file is found in the working directory, as the game starts there.
    void showOpensTheTopicOfAContextOrTheContentsInOneWindow() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(TALLYFOLD_DATA_DIR);
        CModalScript script;
        for (auto [context, title] : {std::pair(5, "Hints"), {99, "Contents"}}) {
            QWidget owner;
            CHelp::Show(&owner, 3);
            CHelp::Show(&owner, context);
            const QList<CHelpWindow*> windows = owner.findChildren<CHelpWindow*>();
            QCOMPARE(windows.size(), 1);
            QCOMPARE(windows[0]->CurrentTitle(), QString(title));
        }
        QDir::setCurrent(previous);
        QVERIFY(script.Requests().empty());
    }

    void theShippedHelpHasQuickInstructionsAndNoBrokenLink() {
        CHelpFile file;
        QVERIFY2(file.Load(kShipped), qPrintable(file.Error()));
        QCOMPARE(file.FindContext(CHelp::kQuickInstructions)->title, QString("Quick Instructions"));
        QCOMPARE(int(file.Topics().size()), 8);
        // The note on the file's format is a comment, not shown on the contents page.
        QVERIFY(!file.ContentsPage().contains("-->"));
        static const QRegularExpression link(QStringLiteral(R"(\]\(#([^)]*)\))"));
        for (const CHelpFile::STopic& topic : file.Topics()) {
            QVERIFY2(!topic.body.contains("<!--"), qPrintable(topic.title));
            for (const QRegularExpressionMatch& match : link.globalMatch(topic.body))
                QVERIFY2(file.FindSlug(match.captured(1)), qPrintable(match.captured(1)));
        }
    }

    // Used while dialogs run over the running main window: opened in the first, used in both.
    // A new way from a page back in the history drops the pages ahead.
    void linksBackAndForwardWorkAndNoModalDialogBlocksThem() {
        QDialog main;
        CHelpWindow* help = nullptr;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            for (const QStringList& steps :
                 {QStringList{"#hints", "#the-board-and-scoring", "back", "back"},
                  {"forward", "#contents", "back"}}) {
                QDialog dialog(&main);
                QTimer::singleShot(0, [&] {
                    if (!help) (help = new CHelpWindow(kShipped, &main))->show();
                    for (const QString& step : steps) {
                        if (step.startsWith('#'))
                            emit Page(*help)->anchorClicked(QUrl(step));
                        else
                            QTest::mouseClick(help->findChild<QToolButton*>(step), Qt::LeftButton);
                        seen << help->CurrentTitle() + (Enabled(*help, "back") ? " <" : "") +
                                    (Enabled(*help, "forward") ? " >" : "");
                    }
                    dialog.accept();
                });
                CModal::Run(dialog);
            }
            main.accept();
        });
        CModal::Run(main);
        QCOMPARE(seen, (QStringList{"Hints <", "The board and scoring <", "Hints < >", "Contents >",
                                    "Hints < >", "Contents <", "Hints < >"}));
    }

    void findMovesToTheNextAndPreviousMatchAndWraps() {
        CHelpWindow window(kShipped);
        window.ShowTopic("the-board-and-scoring");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* find = window.findChild<QLineEdit*>("find");

        QTest::keyClicks(find, "taken");
        QTest::keyClick(find, Qt::Key_Return);
        const QTextCursor first = Page(window)->textCursor();
        QCOMPARE(first.selectedText(), QString("taken"));
        QTest::keyClick(&window, Qt::Key_F3);
        const int second = Page(window)->textCursor().position();
        QVERIFY(second > first.position());
        QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(Page(window)->textCursor().position(), first.position());
        // Before the first match the search starts again at the end.
        QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
        QVERIFY(Page(window)->textCursor().position() >= second);

        find->setText("zebra");
        QVERIFY(!window.Find(false));
        QCOMPARE(window.findChild<QLabel*>()->text(), QString("Not found"));
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void anUnreadableFileIsReportedOnTheWindowsOwnPage() {
        QTemporaryDir dir;
        QFile other(dir.filePath("other.hlp"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("?_\x03\x00 not a help file of ours", 27);
        other.close();
        CModalScript script;
        for (const auto& [path, reason] :
             {std::pair(dir.filePath(CHelp::kFileName), "No such file"),
              {other.fileName(), "holds no help topics"}}) {
            CHelpWindow window(path);
            window.ShowContext(CHelp::kQuickInstructions);
            const QString page = Page(window)->toPlainText();
            QVERIFY2(page.contains(QFileInfo(path).fileName() + " could not be read"),
                     qPrintable(page));
            QVERIFY2(page.contains(reason), qPrintable(page));
        }
        QVERIFY(script.Requests().empty());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
