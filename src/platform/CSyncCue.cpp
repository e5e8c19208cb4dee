#include "platform/CSyncCue.h"

#include <QEventLoop>

CSyncCue& CSyncCue::Instance() {
    static CSyncCue instance;
    return instance;
}

bool CSyncCue::IsPlaying() {
    return Instance().m_nDepth > 0;
}

void CSyncCue::Wait(QEventLoop& loop) {
    CSyncCue& self = Instance();
    ++self.m_nDepth;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (--self.m_nDepth == 0) emit self.Ended();
}
