#include "platform/CCueTimer.h"

#include "platform/CSyncCue.h"

CCueTimer::CCueTimer(int nIntervalMs, std::function<void()> onTick, QObject* parent)
    : QObject(parent), m_onTick(std::move(onTick)) {
    m_timer.setInterval(nIntervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CCueTimer::OnTimeout);
    m_delivery.setSingleShot(true);
    m_delivery.setInterval(0);
    connect(&m_delivery, &QTimer::timeout, this, &CCueTimer::Deliver);
    connect(&CSyncCue::Instance(), &CSyncCue::Ended, this, [this] {
        if (m_bHeld) m_delivery.start();
    });
}

void CCueTimer::Start() {
    m_timer.start();
}

void CCueTimer::Stop() {
    m_timer.stop();
    m_delivery.stop();
    m_bHeld = false;
}

bool CCueTimer::IsActive() const {
    return m_timer.isActive();
}

void CCueTimer::OnTimeout() {
    if (CSyncCue::IsPlaying()) {
        m_bHeld = true;
        return;
    }
    Deliver();
}

void CCueTimer::Deliver() {
    // Checked again: the delivery may fire in the wait of the next cue.
    if (CSyncCue::IsPlaying()) return;
    m_delivery.stop();
    m_bHeld = false;
    m_onTick();
}
