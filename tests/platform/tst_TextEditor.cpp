#include <QtTest>

#include "platform/CTextEditor.h"
#include "support/CFakeEditor.h"

namespace {

QProcessEnvironment Environment(const QString& visual, const QString& editor) {
    QProcessEnvironment environment;
    if (!visual.isNull()) environment.insert("VISUAL", visual);
    if (!editor.isNull()) environment.insert("EDITOR", editor);
    return environment;
}

}  // namespace

class TextEditorTest : public QObject {
    Q_OBJECT
private slots:
    // VISUAL first, then EDITOR (an empty one is no editor), each split into
    // its words; the path comes last as one argument, not read by any shell.
    void theEditorVariablesNameTheProgramAndThePathIsOneArgument() {
        const QString path = "/tmp/my games/players/it's $HOME; a \"test\".txt";
        CFakeEditor visual, editor, plain;
        for (const auto& [env, fake, words] :
             {std::tuple(Environment(visual.Command("-o"), plain.Command()), &visual, "[-o]"),
              std::tuple(Environment("", editor.Command("\"two words\"")), &editor, "[two words]"),
              std::tuple(Environment(QString(), plain.Command()), &plain, "")}) {
            bool bDesktop = false;
            CTextEditor(env, [&](const QUrl&) { return bDesktop = true; }).Open(path);
            QVERIFY(!bDesktop);
            // Exactly one start each: VISUAL, when set, kept EDITOR's program idle.
            QCOMPARE(fake->Starts(), QStringList{QString(words) + "[" + path + "]"});
        }
    }

    void withoutAnEditorTheDesktopOpensTheFile() {
        for (const QProcessEnvironment& env :
             {Environment(QString(), QString()), Environment(" ", "")}) {
            QUrl opened;
            CTextEditor(env, [&](const QUrl& url) {
                opened = url;
                return true;
            }).Open("/tmp/my games/players/stats.txt");
            QCOMPARE(opened, QUrl("file:///tmp/my%20games/players/stats.txt"));
        }
    }
};

QTEST_MAIN(TextEditorTest)
#include "tst_TextEditor.moc"
