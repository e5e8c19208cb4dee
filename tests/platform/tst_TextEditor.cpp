#include <QtTest>

#include "platform/CTextEditor.h"

class TextEditorTest : public QObject {
    Q_OBJECT
private slots:
    // VISUAL before EDITOR, an empty one counting as none, each split into its
    // words; the path is always one last argument.
    void theVariablesNameTheEditorAndThePathIsOneArgument() {
        const QString path = "/tmp/my games/stats.txt";
        for (const auto& [visual, editor, words] :
             {std::tuple("vi -R", "ed", QStringList{"vi", "-R"}),
              std::tuple(" ", "\"my editor\" \"-a b\"", QStringList{"my editor", "-a b"}),
              std::tuple("", "", QStringList{})}) {
            QProcessEnvironment env;
            env.insert("VISUAL", visual);
            env.insert("EDITOR", editor);
            const CTextEditor::SCommand command = CTextEditor(env).Command(path);
            QCOMPARE(QStringList(command.program) + command.arguments,
                     words.isEmpty() ? QStringList{QString()} : words + QStringList{path});
        }
    }

    // The desktop opens the file; only when it cannot, the editor, a script that logs its
    // arguments, each in brackets. Both get the absolute path.
    void theDesktopOpensTheFileFirstAndTheEditorOnlyWhenItCannot() {
        QTemporaryDir dir;
        QFile script(dir.filePath("editor"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> \"$0.log\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QProcessEnvironment env;
        env.insert("EDITOR", script.fileName());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        auto logged = [&] {
            QFile log(script.fileName() + ".log");
            return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        };
        QList<QUrl> opened;
        for (bool bDesktop : {true, false}) {
            CTextEditor(env, [&](const QUrl& url) {
                opened << url;
                return bDesktop;
            }).Open("my games/stats.txt");
            if (!bDesktop) continue;
            QTest::qWait(300);  // time enough for an editor that should not start
            QCOMPARE(logged(), QString());
        }
        QDir::setCurrent(previous);
        const QString path = dir.filePath("my games/stats.txt");
        QCOMPARE(opened, QList<QUrl>(2, QUrl::fromLocalFile(path)));
        QTRY_COMPARE(logged(), "[" + path + "]");
    }
};

QTEST_MAIN(TextEditorTest)
#include "tst_TextEditor.moc"
