#include <QLabel>
#include <QtTest>

#include "platform/ISound.h"
#include "play/CScoreCounter.h"

namespace {

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

}  // namespace

class ScoreCounterTest : public QObject {
    Q_OBJECT

private slots:
    // The score first reaches from silently, as with sounds off.
    void countsOnePointAtATimeWithATickEach() {
        const QString down = " data\\down.wav", up = " data\\up.wav";
        for (auto [from, to, ticks] :
             {std::tuple(4, 1, QStringList{"3" + down, "2" + down, "1" + down}),
              {-2, 1, {"-1" + up, "0" + up, "1" + up}},
              {5, 5, {}}}) {
            QLabel control;
            CTickRecorder sound(control);
            CScoreCounter counter(sound);
            counter.CountTo(1, from, false, control);
            QCOMPARE(control.text(), QString::number(from));
            QVERIFY(sound.m_ticks.isEmpty());
            counter.CountTo(1, to, true, control);
            QCOMPARE(sound.m_ticks, ticks);
            QCOMPARE(counter.Displayed(1), to);
            QCOMPARE(counter.Displayed(0), 0);
            // A new game counts from 0 again.
            counter.ResetCounts();
            sound.m_ticks.clear();
            counter.CountTo(1, 1, true, control);
            QCOMPARE(sound.m_ticks, QStringList{"1" + up});
        }
    }
};

QTEST_MAIN(ScoreCounterTest)
#include "tst_ScoreCounter.moc"
