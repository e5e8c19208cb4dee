#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Opens a text file without waiting for it: with whatever the desktop opens
// text files with, else (no opener, or it failed) with the command in VISUAL,
// else the one in EDITOR. Either is handed the file's absolute path. Whether
// an editor started is not examined; the file is there either way.
class CTextEditor {
public:
    // The desktop's opener, false when it has none or it failed; a test hands
    // in one that only records the URL.
    using FnOpenUrl = std::function<bool(const QUrl& url)>;

    explicit CTextEditor(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
                         FnOpenUrl openUrl = {});

    void Open(const QString& path) const;

    // The editor's command split into program and arguments, with the path
    // appended as one argument whatever it holds; no program when neither
    // variable names one.
    struct SCommand {
        QString program;
        QStringList arguments;
    };
    SCommand Command(const QString& path) const;

private:
    QProcessEnvironment m_environment;
    FnOpenUrl m_fnOpenUrl;
};
