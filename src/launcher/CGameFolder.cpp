#include "CGameFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString CGameFolder::UserFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/tallyfold");
}

bool CGameFolder::Prepare(const QString& installed, const QString& folder) {
    m_strError.clear();
    const QString players = folder + QStringLiteral("/players");
    if (!QDir().mkpath(players)) {
        m_strError = QStringLiteral("cannot create the folder ") + players;
        return false;
    }
    const QDir from(installed);
    if (!from.exists()) {
        m_strError = QStringLiteral("the game's files are missing: ") + installed;
        return false;
    }
    QDirIterator it(installed, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = from.relativeFilePath(source);
        if (relative.startsWith(QStringLiteral("players/"))) continue;
        if (!Refresh(source, folder + QLatin1Char('/') + relative)) return false;
    }
    return true;
}

bool CGameFolder::Refresh(const QString& source, const QString& target) {
    const QFileInfo from(source);
    const QFileInfo to(target);
    // The copy carries the installed file's time, so an upgrade shows as a change.
    if (to.exists() && to.size() == from.size() && to.lastModified() == from.lastModified())
        return true;
    QDir().mkpath(to.absolutePath());
    QFile::remove(target);
    QFile copy(target);
    // The user's copy is the user's own, whatever the installed file allows.
    if (!QFile::copy(source, target) ||
        !copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !copy.open(QIODevice::ReadWrite) ||
        !copy.setFileTime(from.lastModified(), QFileDevice::FileModificationTime)) {
        m_strError = QStringLiteral("cannot copy ") + source + QStringLiteral(" to ") + target;
        return false;
    }
    return true;
}
