#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

#include "shell/IGameBoardOwner.h"

// The main window as the board sees it: the state it reads, and the takes it
// was told of as (player, points). m_onTake runs after a take is recorded.
class CBoardOwner : public IGameBoardOwner {
public:
    bool IsSoundOn() const override { return m_bSound; }
    int Result() const override { return m_nResult; }
    bool IsOnePlayer() const override { return m_bOnePlayer; }
    int BestPiece() const override { return m_nBestPiece; }
    void OnPieceTaken(int nPlayer, int nPoints) override {
        m_takes.push_back({nPlayer, nPoints});
        if (m_onTake) m_onTake();
    }

    bool m_bSound = true;
    int m_nResult = -1;
    bool m_bOnePlayer = false;
    int m_nBestPiece = -1;
    std::vector<std::pair<int, int>> m_takes;
    std::function<void()> m_onTake;
};

// Draws for BlockRandomCells that block these (row, column) cells, on the
// 0..32767 scale.
inline std::vector<int> DrawsFor(const std::vector<std::pair<int, int>>& cells) {
    std::vector<int> draws;
    for (auto [row, column] : cells) {
        draws.push_back((row * 32767 + 4) / 5);
        draws.push_back((column * 32767 + 6) / 7);
    }
    return draws;
}

// A working directory of its own with board files in data/, for the length of
// a test program. Cell i of "TEN.A" holds the value i % 10; "GAPS.A" lacks
// cells 5 and 34.
class CBoardFiles {
public:
    CBoardFiles() : m_previous(QDir::currentPath()) {
        QDir(m_dir.path()).mkdir("data");
        QDir::setCurrent(m_dir.path());
        QStringList ten;
        for (int i = 0; i < 35; ++i) ten << QString("%1 ,%2").arg(i % 10).arg(i);
        QStringList gaps = ten;
        gaps[5] = "no comma here";
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
