// SPDX-License-Identifier: GPL-3.0-or-later
// Pacing on a clock that wakes late: the real clock runs a callback a little after its due time,
// and a play of many short pauses must not fall behind by the sum of those delays.
#include "testing.h"

#include "ui/play.h"
#include "ui/timeline.h"

#include <vector>

namespace {

// A virtual clock that runs every callback `late` after its due time, and the callback numbered
// `stallAt` (from 0) `stall` after it, as a machine that stalled or slept would.
class LateScheduler final : public ui::Scheduler
{
public:
    ui::Ms now() const override { return clock.now(); }
    Id at(ui::Ms due, std::function<void()> fn) override
    {
        return clock.at(due + (scheduled++ == stallAt ? stall : late), std::move(fn));
    }
    void cancel(Id id) override { clock.cancel(id); }

    ui::VirtualScheduler clock;
    ui::Ms late{0};
    ui::Ms stall{0};
    int stallAt = -1;
    int scheduled = 0;
};

// Steps of 40 ms, noting when each step ran on the clock and what time the play saw.
ui::Play steps(ui::Timeline &tl, const LateScheduler &s, int count, std::vector<int> &ran,
               std::vector<int> &seen)
{
    for (int i = 0; i < count; ++i) {
        co_await ui::Pause(tl, ui::Ms(40));
        ran.push_back(int(s.now().count()));
        seen.push_back(int(tl.now().count()));
    }
}

} // namespace

class RuntimePacing : public QObject
{
    Q_OBJECT
private slots:
    void latePausesDoNotAddUp_data()
    {
        QTest::addColumn<int>("late");
        QTest::addColumn<int>("stallAt");
        QTest::addColumn<int>("stall");
        QTest::addColumn<int>("end");      // when the last step ran
        QTest::addColumn<int>("lastSeen"); // the time the play saw at its last step
        QTest::newRow("on time") << 0 << -1 << 0 << 4000 << 4000;
        QTest::newRow("3 ms late each") << 3 << -1 << 0 << 4003 << 4000;
        QTest::newRow("39 ms late each") << 39 << -1 << 0 << 4039 << 4000;
        QTest::newRow("one wake 200 ms late is made up") << 3 << 50 << 200 << 4003 << 4000;
        // A stall longer than the catch-up limit is not raced through: the rest keeps its pace
        // from where the stall ended.
        QTest::newRow("a 10 s stall shifts the rest") << 3 << 50 << 10'000 << 14'003 << 14'000;
    }
    void latePausesDoNotAddUp()
    {
        QFETCH(int, late);
        QFETCH(int, stallAt);
        QFETCH(int, stall);
        QFETCH(int, end);
        QFETCH(int, lastSeen);
        LateScheduler s;
        s.late = ui::Ms(late);
        s.stallAt = stallAt;
        s.stall = ui::Ms(stall);
        ui::Timeline tl(s);
        std::vector<int> ran, seen;
        ui::Play p = steps(tl, s, 100, ran, seen);
        p.start();
        s.clock.runUntilIdle();
        QVERIFY(!p.running());
        QCOMPARE(ran.size(), 100u);
        QCOMPARE(ran.back(), end);
        QCOMPARE(seen.back(), lastSeen);
        // Before any stall, each step sees the time it was due, whenever it actually ran.
        QCOMPARE(seen.front(), 40);
        QCOMPARE(seen[30], 40 * 31);
        // Between callbacks the play sees the clock itself.
        QCOMPARE(tl.now(), s.clock.now());
    }

    void periodicTicksKeepTheirPaceOnALateClock()
    {
        LateScheduler s;
        s.late = ui::Ms(7);
        ui::Timeline tl(s);
        std::vector<int> ticks;
        ui::PeriodicTimer timer(tl, [&] {
            ticks.push_back(int(s.now().count()));
            if (ticks.size() == 100) timer.setInterval(0);
        });
        timer.setInterval(100);
        s.clock.runUntilIdle();
        QCOMPARE(ticks.size(), 100u);
        QCOMPARE(ticks.front(), 107);
        QCOMPARE(ticks.back(), 10'007); // not 100 x 107
    }

    void finishingAtOnceStillRunsEachStepAtItsOwnTime()
    {
        LateScheduler s;
        s.late = ui::Ms(5);
        ui::Timeline tl(s);
        std::vector<int> ran, seen;
        ui::Play p = steps(tl, s, 10, ran, seen);
        p.start();
        s.clock.advance(ui::Ms(90)); // steps at 45 and 85 ran
        QCOMPARE(seen, (std::vector<int>{40, 80}));
        tl.finishNow();
        QVERIFY(!p.running());
        QCOMPARE(seen.back(), 400);
        QCOMPARE(ran.back(), 90); // instantly
    }
};

ARCADE_TEST_MAIN(RuntimePacing)
#include "tst_runtime_pacing.moc"
