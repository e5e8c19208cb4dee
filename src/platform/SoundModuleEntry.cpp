// The one export of the "tallyfold-sound" module, loaded by CSoundModule.
#include <QMediaDevices>
#include <QtGlobal>

#include "platform/CSoundPlayer.h"

extern "C" Q_DECL_EXPORT ISound* TallyfoldCreateSound(void (*wait)(QEventLoop& loop)) {
    // Asking for the output now connects to the sound server, which would
    // otherwise happen during the first cue and hold it up.
    QMediaDevices::defaultAudioOutput();
    return new CSoundPlayer(wait);
}
