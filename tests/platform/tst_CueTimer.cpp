#include <qpa/qwindowsysteminterface.h>

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

}  // namespace

class TestCueTimer : public QObject {
    Q_OBJECT
private slots:
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
