#include <QtTest>

#include "platform/CTextEditor.h"

class TextEditorTest : public QObject {
    Q_OBJECT
private slots:
    // VISUAL before EDITOR, an empty one counting as none, each split into its
    // words; the path is always one last argument. Without either the desktop
    // opens the file. (tst_StatisticsDlg starts an editor for real.)
    void theVariablesNameTheEditorAndThePathIsOneArgument() {
        const QString path = "/tmp/my games/stats.txt";
        for (const auto& [visual, editor, words] :
             {std::tuple("vi -R", "ed", QStringList{"vi", "-R"}),
              std::tuple("", "ed", QStringList{"ed"}),
              std::tuple(" ", "\"my editor\" \"-a b\"", QStringList{"my editor", "-a b"}),
              std::tuple("", "", QStringList{})}) {
            QProcessEnvironment env;
            env.insert("VISUAL", visual);
            env.insert("EDITOR", editor);
            QUrl opened;
            const CTextEditor textEditor(env,
                                         [&](const QUrl& url) { return (opened = url).isValid(); });
            const CTextEditor::SCommand command = textEditor.Command(path);
            QCOMPARE(QStringList(command.program) + command.arguments,
                     words.isEmpty() ? QStringList{QString()} : words + QStringList{path});
            if (words.isEmpty()) textEditor.Open(path);
            QCOMPARE(opened, words.isEmpty() ? QUrl("file:///tmp/my%20games/stats.txt") : QUrl());
        }
    }
};

QTEST_MAIN(TextEditorTest)
#include "tst_TextEditor.moc"
