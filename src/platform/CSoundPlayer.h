#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "platform/ISound.h"

class CWaveFile;
class QAudioSink;
class QEventLoop;

// Plays wave files on the default audio output (or a given one).
//
// A synchronous cue waits in the wait it is given (the game's is CSyncCue::Wait:
// the window still repaints but does not react, and the game's timers hold
// their ticks until the cue has ended). The player is handed its wait rather
// than calling CSyncCue itself because the game loads it from a module of its
// own (CSoundModule), which must share the game's one CSyncCue.
// A new cue, synchronous or not, ends the one still playing, also one that a
// synchronous call is waiting for.
// A missing or damaged file, a machine without audio output or an output that
// fails plays nothing, reports nothing, and returns at once; a synchronous
// wait never lasts much longer than the file itself.
class CSoundPlayer : public QObject, public ISound {
    Q_OBJECT
public:
    // Runs the loop until it quits.
    using FnWait = std::function<void(QEventLoop& loop)>;

    explicit CSoundPlayer(FnWait wait, QObject* parent = nullptr);
    // Always plays on this output; a null device stands for a machine without audio.
    CSoundPlayer(FnWait wait, const QAudioDevice& output, QObject* parent = nullptr);
    ~CSoundPlayer() override;

    void Play(const std::string& file, ESoundMode mode) override;
    bool IsPlaying() const;

private:
    CSoundPlayer(FnWait wait, std::optional<QAudioDevice> output, QObject* parent);
    QAudioDevice Output() const;
    bool Start(const CWaveFile& wave);
    void Feed();
    bool AllWritten() const { return m_nWritten >= m_samples.size(); }
    void WaitUntilPlayed(int durationMs);
    void Stop();

    FnWait m_fnWait;
    std::optional<QAudioDevice> m_fixedOutput;
    std::unique_ptr<QAudioSink> m_pSink;
    QAudioFormat m_format;
    // The sink is fed by us (push mode) as room frees up: reliable on every
    // PulseAudio buffer size, unlike letting the sink pull.
    QIODevice* m_pOutput = nullptr;
    QTimer m_feeder;
    QByteArray m_samples;
    qsizetype m_nWritten = 0;
    // Counts the cues started, so a wait knows when its cue was replaced.
    unsigned m_nCue = 0;
    QEventLoop* m_pWait = nullptr;
};
