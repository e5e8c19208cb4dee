#include <QLabel>
#include <QtTest>

#include "platform/ISound.h"
#include "play/CScoreCounter.h"

namespace {

// Each cue with the score the control showed when it started, e.g. "3 down".
class CTickRecorder : public ISound {
public:
    explicit CTickRecorder(const QLabel& control) : m_control(control) {}
    void Play(const std::string& file, ESoundMode mode) override {
        const QString name = file == "data\\up.wav"     ? "up"
                             : file == "data\\down.wav" ? "down"
                                                        : "?";
        m_ticks << m_control.text() + " " + name + (mode == ESoundMode::Sync ? "" : " async");
    }
    QStringList m_ticks;

private:
    const QLabel& m_control;
};

}  // namespace

class ScoreCounterTest : public QObject {
    Q_OBJECT

private slots:
    // The score first reaches from without sound, as with sounds off.
    void countsOnePointAtATimeWithATickEach_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("ticks");
        QTest::newRow("4 down to 1") << 4 << 1 << QStringList{"3 down", "2 down", "1 down"};
        QTest::newRow("-2 up to 1") << -2 << 1 << QStringList{"-1 up", "0 up", "1 up"};
        QTest::newRow("0 down to -1") << 0 << -1 << QStringList{"-1 down"};
        QTest::newRow("unchanged") << 5 << 5 << QStringList{};
    }
    void countsOnePointAtATimeWithATickEach() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, ticks);
        QLabel control;
        CTickRecorder sound(control);
        CScoreCounter counter(sound);
        counter.CountTo(1, from, false, control);
        QCOMPARE(control.text(), from == 0 ? QString() : QString::number(from));

        counter.CountTo(1, to, true, control);

        QCOMPARE(sound.m_ticks, ticks);
        QCOMPARE(counter.Displayed(1), to);
        QCOMPARE(counter.Displayed(0), 0);
        // A new game counts from 0 again.
        counter.ResetCounts();
        sound.m_ticks.clear();
        counter.CountTo(1, -1, true, control);
        QCOMPARE(sound.m_ticks, QStringList{"-1 down"});
    }
};

QTEST_MAIN(ScoreCounterTest)
#include "tst_ScoreCounter.moc"
