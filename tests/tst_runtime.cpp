// SPDX-License-Identifier: GPL-3.0-or-later
// The play runtime: pauses and timers on the virtual clock, plays owned and destroyed by their
// windows, and the finish-at-once of a window closed in the middle of a play.
#include "testing.h"

#include "ui/play.h"
#include "ui/timeline.h"

#include <cmath>
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

// An animation of frames with the given lengths, paced to a display of `hz`: logs the time each
// drawn frame is drawn at and the time the animation ends.
ui::Play paced(ui::Timeline &tl, double hz, std::vector<int> lengths, std::vector<int> &drawnAt,
               std::vector<int> &drawnFrame, int &endedAt)
{
    ui::PacedFrames frames(tl, hz);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (co_await frames.frame(i + 1 == lengths.size())) {
            drawnAt.push_back(int(tl.now().count()));
            drawnFrame.push_back(int(i));
        }
        frames.elapse(ui::Ms(lengths[i]));
    }
    co_await frames.end();
    endedAt = int(tl.now().count());
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

    // Paced frames: a frame is drawn at its own time, at most once a display frame (the first
    // frame due in it) and always the last; the animation lasts exactly as long as its frames.
    void pacedFramesDrawOnceADisplayFrame_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<std::vector<int>>("lengths");
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("length");
        const std::vector<int> reels(897, 4);
        std::vector<int> dice(40, 10);
        dice.insert(dice.end(), 6, 100);
        dice.insert(dice.end(), 5, 300);
        QTest::newRow("4 ms at 60 Hz") << 60.0 << reels << 216 << 3588;
        QTest::newRow("4 ms at 144 Hz") << 144.0 << reels << 517 << 3588;
        QTest::newRow("4 ms at 250 Hz: every frame") << 250.0 << reels << 897 << 3588;
        QTest::newRow("dice at 60 Hz") << 60.0 << dice << 24 + 11 << 2500;
        QTest::newRow("one frame") << 60.0 << std::vector<int>{7} << 1 << 7;
        QTest::newRow("no rate given: 60 Hz") << 0.0 << reels << 216 << 3588;
    }
    void pacedFramesDrawOnceADisplayFrame()
    {
        QFETCH(double, hz);
        QFETCH(std::vector<int>, lengths);
        QFETCH(int, draws);
        QFETCH(int, length);
        ui::VirtualScheduler clock;
        ui::Timeline tl(clock);
        std::vector<int> drawnAt, drawnFrame;
        int endedAt = -1;
        ui::Play p = paced(tl, hz, lengths, drawnAt, drawnFrame, endedAt);
        p.start();
        clock.runUntilIdle();
        QCOMPARE(endedAt, length);
        QCOMPARE(int(drawnAt.size()), draws);
        QCOMPARE(drawnFrame.back(), int(lengths.size()) - 1);
        const double rate = hz > 0 ? hz : 60;
        int due = 0, next = 0;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            if (next < int(drawnFrame.size()) && drawnFrame[size_t(next)] == int(i)) {
                QCOMPARE(drawnAt[size_t(next)], due); // at the frame's own time
                // Never twice in one display frame, except for the last frame.
                if (next > 0 && i + 1 < lengths.size())
                    QVERIFY(std::floor(due * rate / 1000) >
                            std::floor(drawnAt[size_t(next - 1)] * rate / 1000));
                ++next;
            }
            due += lengths[i];
        }
        QCOMPARE(next, draws);
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
