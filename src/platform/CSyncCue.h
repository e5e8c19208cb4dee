#pragma once

#include <QObject>

class QEventLoop;

// The wait of a synchronous cue. A synchronous cue holds the game until it has
// ended: nothing the player does is handled and no tick of the game's timers
// runs meanwhile. The wait runs a local event loop that takes no user input
// (that input is delivered once the wait is over) but still repaints; timers
// fire in it too, so a timer whose ticks must wait asks IsPlaying() and holds
// them until Ended (CCueTimer).
class CSyncCue : public QObject {
    Q_OBJECT
public:
    // Runs loop until it quits, as a synchronous cue waits. Waits may nest.
    static void Wait(QEventLoop& loop);
    static bool IsPlaying();
    // Sends Ended each time the outermost wait has returned.
    static CSyncCue& Instance();

signals:
    void Ended();

private:
    CSyncCue() = default;

    int m_nDepth = 0;
};
