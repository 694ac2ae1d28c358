// SPDX-License-Identifier: GPL-3.0-or-later
// The roulette's rules: the payout of each lamp, the run of the light, the return per credit.
#include "games/roulette/wheel.h"

#include <QTest>

#include <limits>
#include <optional>

class RouletteRules : public QObject
{
    Q_OBJECT
private slots:
    // Five credits on 2, three on 4, two on 6 and one on 10, and where the light stops.
    void payoutForEachLamp_data()
    {
        QTest::addColumn<int>("lamp");
        QTest::addColumn<qint64>("payout"); // -1: a stop on 0, nothing paid and nothing shown
        const qint64 expected[roulette::Lamps] = {-1, 12, 10, 12, 10, 10, 10,
                                                  -1, 12, 10, 12, 10, 12, 10};
        for (int lamp = 0; lamp < roulette::Lamps; ++lamp)
            QTest::addRow("lamp %d", lamp) << lamp << expected[lamp];
    }
    void payoutForEachLamp()
    {
        QFETCH(int, lamp);
        QFETCH(qint64, payout);
        roulette::Bets bets;
        bets.Bet2 = 5;
        bets.Bet4 = 3;
        bets.Bet6 = 2;
        bets.Bet10 = 1;
        const std::optional<std::int64_t> paid = roulette::payout(bets, lamp);
        QCOMPARE(paid.has_value(), payout >= 0);
        if (paid) QCOMPARE(qint64(*paid), payout);
    }

    // Over the fourteen equally likely stops, one credit on a number comes back 12/14 (2, 4, 6)
    // or 10/14 (10).
    void returnPerCredit_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qint64>("perFourteen");
        QTest::newRow("2") << 2 << qint64(12);
        QTest::newRow("4") << 4 << qint64(12);
        QTest::newRow("6") << 6 << qint64(12);
        QTest::newRow("10") << 10 << qint64(10);
    }
    void returnPerCredit()
    {
        QFETCH(int, number);
        QFETCH(qint64, perFourteen);
        roulette::Bets bets;
        *bets.of(number) = 1;
        qint64 back = 0;
        for (int lamp = 0; lamp < roulette::Lamps; ++lamp)
            back += roulette::payout(bets, lamp).value_or(0);
        QCOMPARE(back, perFourteen);
    }

    // Counters and what a stop would pay are wide: far beyond 16 bits, never negative.
    void wideStakes_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<qint64>("wins");
        QTest::newRow("3277 on 10") << 10 << qint64(3277) << qint64(32770);
        QTest::newRow("16384 on 2") << 2 << qint64(16384) << qint64(32768);
        QTest::newRow("40000 on 4") << 4 << qint64(40000) << qint64(160000);
        QTest::newRow("a whole balance on 6")
            << 6 << qint64(std::numeric_limits<std::int32_t>::max()) << qint64(12884901882);
    }
    void wideStakes()
    {
        QFETCH(int, number);
        QFETCH(qint64, units);
        QFETCH(qint64, wins);
        roulette::Bets bets;
        *bets.of(number) = units;
        QCOMPARE(qint64(bets.wins(number)), wins);
    }

    // From lamp 0, every run ends lit on its stop lamp after seven turns and the stop lamp more,
    // and takes (StopLamp + 82) x 0.04 + 10 x 0.1 + 6 x 0.25 seconds.
    void runEndsOnTheStopLamp()
    {
        for (int stop = 0; stop < roulette::Lamps; ++stop) {
            int lit = 0, ms = 0;
            for (int i = 0; i < roulette::steps(stop); ++i) {
                lit = (lit + 1) % roulette::Lamps;
                ms += int(roulette::stepPause(i, stop).count());
            }
            QCOMPARE(roulette::steps(stop), 7 * roulette::Lamps + stop);
            QCOMPARE(lit, stop);
            QCOMPARE(ms, (stop + 82) * 40 + 2500);
            QCOMPARE(int(roulette::stepPause(roulette::steps(stop) - 7, stop).count()), 100);
            QCOMPARE(int(roulette::stepPause(roulette::steps(stop) - 6, stop).count()), 250);
        }
    }
};

QTEST_APPLESS_MAIN(RouletteRules)
#include "tst_roulette_rules.moc"
