#include "platform/CSoundModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtDebug>

#include "platform/CSyncCue.h"

namespace {

// The module's entry: a new player that waits for synchronous cues with wait.
using FnCreate = ISound* (*)(void (*wait)(QEventLoop& loop));

}  // namespace

CSoundModule::CSoundModule(QString folder) : m_strFolder(std::move(folder)) {}

// The module stays loaded for the process's life: its code runs until the
// player it made is gone, and unloading would gain nothing.
CSoundModule::~CSoundModule() = default;

void CSoundModule::Play(const std::string& file, ESoundMode mode) {
    Preload();
    if (m_pPlayer) m_pPlayer->Play(file, mode);
}

void CSoundModule::Preload() {
    if (m_bTried) return;
    m_bTried = true;
    const QString folder =
        m_strFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_strFolder;
    QLibrary module(folder + QStringLiteral("/tallyfold-sound"));
    const auto create = reinterpret_cast<FnCreate>(module.resolve(kEntry));
    if (!create) {
        qWarning("No sound: %s", qPrintable(module.errorString()));
        return;
    }
    m_pPlayer.reset(create(&CSyncCue::Wait));
}
