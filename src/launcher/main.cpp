// The installed game's "tallyfold" command: prepares the user's game folder
// and runs the game in it, replacing this process.
//
//   TALLYFOLD_PREPARE_ONLY=1 tallyfold    prepares the folder, prints its path
//                                         and stops without starting the game
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "CGameFolder.h"

namespace {

int Fail(const QString& text) {
    std::fprintf(stderr, "tallyfold: %s\n", qPrintable(text));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The installed files are found from where this command lies, so that the
    // whole installation can be moved (a test installs it under a temporary prefix).
    const QDir here = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString installed = QDir::cleanPath(here.filePath(QStringLiteral(TALLYFOLD_DATA_FROM_BIN)));
    const QString program = QDir::cleanPath(here.filePath(QStringLiteral(TALLYFOLD_PROGRAM_FROM_BIN)));

    const QString folder = CGameFolder::UserFolder();
    if (folder.isEmpty()) return Fail(QStringLiteral("no data folder for this user (is HOME set?)"));
    CGameFolder game;
    if (!game.Prepare(installed, folder)) return Fail(game.Error());
    if (qEnvironmentVariableIntValue("TALLYFOLD_PREPARE_ONLY") == 1) {
        std::printf("%s\n", qPrintable(folder));
        return 0;
    }
    if (!QDir::setCurrent(folder)) return Fail(QStringLiteral("cannot enter ") + folder);

    // The game gets exactly the arguments this command was given.
    const QByteArray path = QFile::encodeName(program);
    std::vector<char*> arguments(argv, argv + argc + 1);
    arguments[0] = const_cast<char*>(path.constData());
    ::execv(path.constData(), arguments.data());
    return Fail(QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(std::strerror(errno))));
}
