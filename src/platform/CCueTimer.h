#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// A repeating timer whose ticks wait while a synchronous cue plays, as the
// game's timers do: a cue holds the whole program. A tick that falls due
// during a cue is held, and however many fell due, one tick is delivered once
// the cue has ended and control is back in an event loop with no cue playing;
// so a handler that plays two cues in a row does not tick between them.
class CCueTimer : public QObject {
    Q_OBJECT
public:
    CCueTimer(int nIntervalMs, std::function<void()> onTick, QObject* parent = nullptr);

    void Start();
    // Also drops a held tick.
    void Stop();
    bool IsActive() const;

private:
    void OnTimeout();
    void Deliver();

    std::function<void()> m_onTick;
    QTimer m_timer;
    // Fires from the next event loop to run after a cue: the outer loop, or
    // the wait of a following cue, where the tick is held again.
    QTimer m_delivery;
    bool m_bHeld = false;
};
