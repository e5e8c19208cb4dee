#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "shell/IGameBoardOwner.h"

// The main window as the board sees it: the state it reads, and the takes it
// was told of as (player, points).
class CBoardOwner : public IGameBoardOwner {
public:
    bool IsSoundOn() const override { return m_bSound; }
    int Result() const override { return m_nResult; }
    bool IsOnePlayer() const override { return m_bOnePlayer; }
    int BestPiece() const override { return m_nBestPiece; }
    void OnPieceTaken(int nPlayer, int nPoints) override { m_takes.push_back({nPlayer, nPoints}); }

    bool m_bSound = true;
    int m_nResult = -1;
    bool m_bOnePlayer = false;
    int m_nBestPiece = -1;
    std::vector<std::pair<int, int>> m_takes;
};

// A working directory of its own with board files in data/, for the length of
// a test program. Cell i of "TEN.A" holds the value i % 10; "GAPS.A" lacks
// cells 5 and 34.
class CBoardFiles {
public:
    CBoardFiles() : m_previous(QDir::currentPath()) {
        QDir(m_dir.path()).mkdir("data");
        QDir::setCurrent(m_dir.path());
        QStringList ten;
        QStringList gaps;
        for (int i = 0; i < 35; ++i) {
            const QString line = QString("%1 ,%2").arg(i % 10).arg(i);
            ten << line;
            gaps << (i == 5 ? QString("no comma here") : line);
        }
        gaps.removeLast();
        Write("TEN.A", ten);
        Write("GAPS.A", gaps);
    }
    ~CBoardFiles() { QDir::setCurrent(m_previous); }

private:
    static void Write(const QString& name, const QStringList& lines) {
        QFile file("data/" + name);
        if (file.open(QIODevice::WriteOnly)) file.write(lines.join('\n').toLatin1());
    }

    QTemporaryDir m_dir;
    QString m_previous;
};
