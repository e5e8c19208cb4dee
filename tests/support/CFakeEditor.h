#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

// A stand-in text editor: a shell script that appends one line per start to
// a log, each argument it was given in brackets, so that a test sees how a
// path arrived. Its Command() goes into VISUAL or EDITOR.
class CFakeEditor {
public:
    CFakeEditor() {
        QFile script(Script());
        if (script.open(QIODevice::WriteOnly))
            script.write(
                "#!/bin/sh\nline=\nfor a in \"$@\"; do line=\"$line[$a]\"; done\n"
                "printf '%s\\n' \"$line\" >> \"$0.log\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The script quoted, followed by extra (already a command's words).
    QString Command(const QString& extra = QString()) const {
        return "\"" + Script() + "\"" + (extra.isEmpty() ? QString() : " " + extra);
    }
    // One line per start: waits up to five seconds for nStarts of them, then
    // a little more, so that a start too many shows too.
    QStringList Starts(int nStarts = 1) const {
        const QDeadlineTimer deadline(5000);
        while (Read().size() < nStarts && !deadline.hasExpired()) QThread::msleep(20);
        QThread::msleep(300);
        return Read();
    }

private:
    QString Script() const { return m_dir.filePath("fake editor"); }
    QStringList Read() const {
        QFile log(Script() + ".log");
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir m_dir;
};
