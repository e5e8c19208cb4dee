#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
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

void Click(CHelpWindow& window, const char* name) {
    window.findChild<QToolButton*>(QLatin1String(name))->click();
}

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void showOpensTheContentsOrTheTopicOfAContextInOneWindow() {
        for (auto [context, title] : {std::pair(int(CHelp::kContents), "Contents"),
                                      {int(CHelp::kQuickInstructions), "Quick Instructions"},
                                      {5, "Hints"},
                                      {99, "Contents"}}) {
            // The help file is found in the working directory, as the game starts there.
            QTemporaryDir dir;
            QVERIFY(QFile::copy(kShipped, dir.filePath(CHelp::kFileName)));
            const QString previous = QDir::currentPath();
            QDir::setCurrent(dir.path());
            CModalScript script;
            QWidget owner;
            CHelp::Show(&owner, 3);
            CHelp::Show(&owner, context);
            QDir::setCurrent(previous);

            const QList<CHelpWindow*> windows = owner.findChildren<CHelpWindow*>();
            QCOMPARE(windows.size(), 1);
            QVERIFY(windows[0]->isVisible());
            QCOMPARE(windows[0]->CurrentTitle(), QString(title));
            const QString page = Page(*windows[0])->toPlainText();
            QVERIFY2(page.startsWith(QString(title) == "Contents" ? "Tallyfold Help" : title),
                     qPrintable(page));
            QVERIFY(script.Requests().empty());
        }
    }

    void theShippedHelpHasQuickInstructionsAndNoBrokenLink() {
        CHelpFile file;
        QVERIFY2(file.Load(kShipped), qPrintable(file.Error()));
        QVERIFY(file.FindContext(CHelp::kQuickInstructions));
        QCOMPARE(file.FindContext(CHelp::kQuickInstructions)->title, QString("Quick Instructions"));
        QCOMPARE(int(file.Topics().size()), 8);
        // The note on the file's format is a comment, not shown on the contents page.
        QVERIFY(!file.ContentsPage().contains("-->"));
        QSet<int> contexts;
        static const QRegularExpression link(QStringLiteral(R"(\]\(#([^)]*)\))"));
        for (const CHelpFile::STopic& topic : file.Topics()) {
            QVERIFY2(topic.nContext > 0 && !contexts.contains(topic.nContext),
                     qPrintable(topic.title));
            contexts.insert(topic.nContext);
            QVERIFY2(!topic.body.contains("<!--"), qPrintable(topic.title));
            for (const QRegularExpressionMatch& match : link.globalMatch(topic.body)) {
                QVERIFY2(file.FindSlug(match.captured(1)),
                         qPrintable(topic.title + ": " + match.captured(1)));
            }
        }
    }

    void aLinkIsFollowedAndBackAndForwardReturn() {
        CHelpWindow window(kShipped);
        QVERIFY(!window.findChild<QToolButton*>("back")->isEnabled());
        emit Page(window)->anchorClicked(QUrl("#hints"));
        QCOMPARE(window.CurrentTitle(), QString("Hints"));
        emit Page(window)->anchorClicked(QUrl("#the-board-and-scoring"));
        QCOMPARE(window.CurrentTitle(), QString("The board and scoring"));

        Click(window, "back");
        Click(window, "back");
        QCOMPARE(window.CurrentTitle(), QString("Contents"));
        QVERIFY(!window.findChild<QToolButton*>("back")->isEnabled());
        Click(window, "forward");
        QCOMPARE(window.CurrentTitle(), QString("Hints"));
        QVERIFY(window.findChild<QToolButton*>("forward")->isEnabled());

        // A new way from here drops the pages ahead.
        emit Page(window)->anchorClicked(QUrl("#contents"));
        QCOMPARE(window.CurrentTitle(), QString("Contents"));
        QVERIFY(!window.findChild<QToolButton*>("forward")->isEnabled());
        Click(window, "back");
        QCOMPARE(window.CurrentTitle(), QString("Hints"));
    }

    void findMovesToTheNextAndPreviousMatchAndWraps() {
        CHelpWindow window(kShipped);
        window.ShowTopic("the-board-and-scoring");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* find = window.findChild<QLineEdit*>("find");
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find->hasFocus());

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
        QVERIFY(window.findChild<QLabel*>()->text().isEmpty());

        find->setText("zebra");
        QVERIFY(!window.Find(false));
        QCOMPARE(window.findChild<QLabel*>()->text(), QString("Not found"));
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // Opened in one dialog over the running main window, the help is used there and in the next.
    void noModalDialogBlocksTheHelp() {
        QDialog main;
        CHelpWindow* help = nullptr;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            for (int n = 0; n < 2; ++n) {
                QDialog dialog(&main);
                QTimer::singleShot(0, [&] {
                    if (!help) (help = new CHelpWindow(kShipped, &main))->show();
                    help->ShowContext(CHelp::kQuickInstructions);
                    QTest::mouseClick(help->findChild<QToolButton*>("contents"), Qt::LeftButton);
                    seen << help->CurrentTitle();
                    dialog.accept();
                });
                CModal::Run(dialog);
            }
            main.accept();
        });
        CModal::Run(main);
        QCOMPARE(seen, QStringList(2, "Contents"));
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
            QVERIFY(page.contains(QFileInfo(path).absoluteFilePath()));
        }
        QVERIFY(script.Requests().empty());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_HelpWindow.moc"
