#include <QLabel>
#include <QtTest>

#include "platform/ISound.h"
#include "play/CScoreCounter.h"

// Each cue with the score the control showed as it started, e.g. "3 data\down.wav".
struct CTickRecorder : ISound {
    explicit CTickRecorder(const QLabel& control) : m_control(control) {}
    void Play(const std::string& file, ESoundMode mode) override {
        m_ticks << m_control.text() + " " + QString::fromStdString(file) +
                       (mode == ESoundMode::Sync ? "" : " async");
    }
    const QLabel& m_control;
    QStringList m_ticks;
};

class ScoreCounterTest : public QObject {
    Q_OBJECT

private slots:
    // The score first reaches 3 silently, as with sounds off.
    void countsOnePointAtATimeWithATickEach() {
        QLabel control;
        CTickRecorder sound(control);
        CScoreCounter counter(sound);
        counter.CountTo(1, 3, false, control);
        counter.CountTo(1, 1, true, control);
        counter.CountTo(1, 2, true, control);
        QCOMPARE(sound.m_ticks,
                 (QStringList{"2 data\\down.wav", "1 data\\down.wav", "2 data\\up.wav"}));
    }
};

QTEST_MAIN(ScoreCounterTest)
#include "tst_ScoreCounter.moc"
