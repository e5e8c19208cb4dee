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
                "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> \"$0.log\"\n"
                "echo >> \"$0.log\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The script quoted, followed by extra (already a command's words).
    QString Command(const QString& extra = QString()) const {
        return "\"" + Script() + "\"" + (extra.isEmpty() ? QString() : " " + extra);
    }
    // One line per start, waiting up to five seconds for nStarts of them.
    QStringList Starts(int nStarts = 1) const {
        const QDeadlineTimer deadline(5000);
        QStringList lines;
        do {
            QFile log(Script() + ".log");
            if (log.open(QIODevice::ReadOnly))
                lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
            if (lines.size() >= nStarts) break;
            QThread::msleep(20);
        } while (!deadline.hasExpired());
        return lines;
    }

private:
    QString Script() const { return m_dir.filePath("fake editor"); }

    QTemporaryDir m_dir;
};
