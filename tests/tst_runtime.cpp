// The play runtime: pauses and timers on the virtual clock, plays owned and destroyed by their
// windows, and the finish-at-once of a window closed in the middle of a play.
#include "testing.h"

#include "ui/play.h"
#include "ui/timeline.h"

#include <vector>

namespace {

struct Log
{
    std::vector<std::pair<int, QString>> events; // (virtual ms, what)
};

ui::Play steps(ui::Timeline &tl, ui::VirtualScheduler &clock, Log &log, int *alive)
{
    struct Guard
    {
        int *alive;
        ~Guard() { --*alive; }
    } guard{alive};
    ++*alive;
    log.events.push_back({int(clock.now().count()), "start"});
    for (int i = 0; i < 3; ++i) {
        co_await ui::Pause(tl, ui::Ms(i < 2 ? 40 : 250));
        log.events.push_back({int(tl.now().count()), QString("step %1").arg(i)});
    }
    log.events.push_back({int(tl.now().count()), "end"});
}

} // namespace

class Runtime : public QObject
{
    Q_OBJECT
private slots:
    void pausesLandAtExactTimes()
    {
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        Log log;
        int alive = 0;
        ui::Play p = steps(tl, clock, log, &alive);
        QVERIFY(!p.running());
        QVERIFY(log.events.empty()); // not started until start()
        p.start();
        QVERIFY(p.running());
        clock.advance(ui::Ms(39));
        QCOMPARE(log.events.size(), 1u);
        clock.advance(ui::Ms(1));
        QCOMPARE(log.events.back(), std::make_pair(40, QString("step 0")));
        clock.advance(ui::Ms(1000));
        QCOMPARE(log.events.back(), std::make_pair(330, QString("end")));
        QVERIFY(!p.running());
        QVERIFY(!tl.busy());
    }

    void destroyingAPlayMidPauseFreesItAndCancelsItsPause()
    {
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        Log log;
        int alive = 0;
        {
            ui::Play p = steps(tl, clock, log, &alive);
            p.start();
            clock.advance(ui::Ms(50));
            QCOMPARE(alive, 1);
            QVERIFY(tl.busy());
        }
        QCOMPARE(alive, 0); // the frame's locals were destroyed with it
        QVERIFY(!tl.busy());
        QVERIFY(clock.idle());
        clock.advance(ui::Ms(1000)); // nothing resumes a dead frame
        QCOMPARE(log.events.size(), 2u);
    }

    void finishNowRunsTheRestInOrderWithoutWaiting()
    {
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        Log log;
        int alive = 0;
        ui::Play p = steps(tl, clock, log, &alive);
        p.start();
        clock.advance(ui::Ms(45));
        tl.finishNow();
        QVERIFY(!p.running());
        QCOMPARE(clock.now().count(), 45); // the real clock did not move
        QCOMPARE(log.events.back(), std::make_pair(330, QString("end"))); // each at its own time
        QVERIFY(clock.idle());
    }

    void periodicTimerFollowsItsInterval()
    {
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        std::vector<int> ticks;
        ui::PeriodicTimer timer(tl, [&] { ticks.push_back(int(clock.now().count())); });
        timer.setInterval(100);
        clock.advance(ui::Ms(250));
        QCOMPARE(ticks, (std::vector<int>{100, 200}));
        timer.setInterval(100); // restarts the countdown
        clock.advance(ui::Ms(150));
        QCOMPARE(ticks, (std::vector<int>{100, 200, 350}));
        timer.setInterval(0);
        clock.advance(ui::Ms(1000));
        QCOMPARE(ticks.size(), 3u);
        QVERIFY(clock.idle());
    }

    void finishNowStopsATimerThatNeverStops()
    {
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        int ticks = 0;
        ui::PeriodicTimer timer(tl, [&] { ++ticks; });
        timer.setInterval(10);
        tl.finishNow(500);
        QCOMPARE(ticks, 500);
        QVERIFY(!tl.busy());
    }

    void scriptedChancePicksTheScriptedValue()
    {
        ui::ScriptedRandom r;
        for (int n : {1, 2, 6, 13, 76})
            for (int k = 0; k < n; ++k) {
                r.pushPick(k, n);
                QCOMPARE(r.pick(n), k);
            }
        ui::SystemRandom s;
        for (int i = 0; i < 10000; ++i) {
            const int v = s.pick(6);
            QVERIFY(v >= 0 && v < 6);
        }
    }
};

ARCADE_TEST_MAIN(Runtime)
#include "tst_runtime.moc"
