#include <qpa/qwindowsysteminterface.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QtTest>

#include "platform/CCueTimer.h"
#include "platform/CSyncCue.h"

namespace {

// Waits as a synchronous cue of this length does.
void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    CSyncCue::Wait(loop);
}

// The ticks of a timer, each with when it came and whether a cue was playing.
struct STicks {
    QElapsedTimer clock;
    QList<qint64> at;
    int duringCue = 0;
    void Tick() {
        at << clock.elapsed();
        if (CSyncCue::IsPlaying()) ++duringCue;
    }
    int Between(qint64 from, qint64 to) const {
        return int(
            std::count_if(at.begin(), at.end(), [&](qint64 t) { return t >= from && t < to; }));
    }
};

}  // namespace

class TestCueTimer : public QObject {
    Q_OBJECT
private slots:
    // The first tick, at 200 ms, starts a wait to 700 ms: the ticks due at 400
    // and 600 ms fall in it, the next regular one is due at 800 ms.
    void ticksDueDuringACueComeAfterItAsOne() {
        STicks ticks;
        qint64 start = 0, end = 0;
        CCueTimer timer(200, [&] {
            ticks.Tick();
            if (ticks.at.size() > 1) return;
            QTimer::singleShot(0, [&] {
                start = ticks.clock.elapsed();
                Wait(500);
                end = ticks.clock.elapsed();
            });
        });
        ticks.clock.start();
        timer.Start();
        QVERIFY(timer.IsActive());
        QTest::qWait(920);
        QCOMPARE(ticks.duringCue, 0);
        QCOMPARE(ticks.Between(start + 1, end), 0);
        QCOMPARE(ticks.Between(end, end + 50), 1);
        QCOMPARE(ticks.Between(end, ticks.clock.elapsed()), 2);
    }

    // Another handler, as a take does, plays two cues in a row: no tick comes
    // between them or during the second, one comes once that handler returns.
    // (A timer's own handler is never ticked again while it runs.)
    void ticksWaitThroughCuesPlayedInARow() {
        QStringList log;
        CCueTimer timer(50, [&] { log << (CSyncCue::IsPlaying() ? "tick during a cue" : "tick"); });
        QTimer::singleShot(75, Qt::PreciseTimer, [&] {
            log << "take";
            Wait(120);
            log << "between";
            Wait(120);
            log << "returned";
        });
        timer.Start();
        QTRY_VERIFY_WITH_TIMEOUT(log.size() >= 6, 5000);
        timer.Stop();
        QCOMPARE(log.mid(0, 6),
                 (QStringList{"tick", "take", "between", "returned", "tick", "tick"}));
    }

    void stoppingDuringACueDropsTheHeldTick() {
        int count = 0;
        CCueTimer timer(30, [&count] { ++count; });
        timer.Start();
        QTimer::singleShot(100, [&timer] { timer.Stop(); });
        Wait(150);
        QTest::qWait(100);
        QCOMPARE(count, 0);
        QVERIFY(!timer.IsActive());
    }

    // A click the window system queues during a cue (on Pass, say, while a
    // take's sounds play) comes once the cue is over, never inside it.
    void inputWaitsForTheCue() {
        QPushButton button;
        button.resize(40, 20);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        int clicks = 0, clicksDuringCue = 0;
        connect(&button, &QPushButton::clicked, [&] { ++clicks, clicksDuringCue += CSyncCue::IsPlaying(); });
        QTimer::singleShot(20, [&button] {
            for (auto [buttons, type] : {std::pair(Qt::LeftButton, QEvent::MouseButtonPress),
                                         {Qt::NoButton, QEvent::MouseButtonRelease}})
                QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    button.windowHandle(), QPointF(20, 10), button.mapToGlobal(QPointF(20, 10)),
                    buttons, Qt::LeftButton, type);
        });
        Wait(150);
        QTRY_COMPARE(clicks, 1);
        QCOMPARE(clicksDuringCue, 0);
    }
};

QTEST_MAIN(TestCueTimer)
#include "tst_CueTimer.moc"
