// SPDX-License-Identifier: GPL-3.0-or-later
// The slot machine's rules: stop rows and factor, the reels' motion, the return per credit.
#include "games/slot/reels.h"

#include <QTest>

#include <array>
#include <limits>

using Rows = std::array<int, 3>;
Q_DECLARE_METATYPE(Rows)

class SlotRules : public QObject
{
    Q_OBJECT
private slots:
    void stopRowsAndFactor_data()
    {
        QTest::addColumn<Rows>("start");
        QTest::addColumn<Rows>("stop");
        QTest::addColumn<int>("factor");
        QTest::newRow("USA Germany USA") << Rows{0, 0, 0} << Rows{1, 6, 1} << 0;
        QTest::newRow("three Japanese") << Rows{9, 4, 9} << Rows{0, 0, 0} << 200;
        QTest::newRow("Germany from both rows") << Rows{2, 0, 5} << Rows{3, 6, 6} << 50;
        QTest::newRow("three USA") << Rows{0, 8, 7} << Rows{1, 4, 8} << 10;
        QTest::newRow("three UK") << Rows{1, 3, 8} << Rows{2, 9, 9} << 5;
        QTest::newRow("Japan row 0 only") << Rows{9, 9, 9} << Rows{0, 5, 0} << 0;
        QTest::newRow("UK USA UK") << Rows{8, 8, 8} << Rows{9, 4, 9} << 0;
    }
    void stopRowsAndFactor()
    {
        QFETCH(Rows, start);
        QFETCH(Rows, stop);
        QFETCH(int, factor);
        const slot::Spin s = slot::spinFromStartRows(start[0], start[1], start[2]);
        QCOMPARE(s.StopRow, stop);
        QCOMPARE(s.PayFactor, factor);
    }

    // Every reel, from every start row, moves in whole steps, wraps exactly at the end of the
    // strip, travels its full distance and comes to rest on the row that was drawn.
    void reelsLandOnTheDrawnRows_data()
    {
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("travel");     // twips over the whole spin
        QTest::addColumn<int>("lastMoving"); // last frame in which the reel moves
        QTest::newRow("reel 1") << 0 << 58080 << 696;
        QTest::newRow("reel 2") << 1 << 70080 << 796;
        QTest::newRow("reel 3") << 2 << 82080 << 896;
    }
    void reelsLandOnTheDrawnRows()
    {
        QFETCH(int, reel);
        QFETCH(int, travel);
        QFETCH(int, lastMoving);
        for (int start = 0; start < slot::Rows; ++start) {
            Rows rows{};
            rows[reel] = start;
            slot::Reels reels(rows);
            int moved = 0, last = -1;
            for (int i = 0; i < slot::Frames; ++i) {
                const int before = reels.ReelOffset()[reel];
                reels.frame(i);
                const int after = reels.ReelOffset()[reel];
                QVERIFY2(after >= 0 && after <= slot::WrapTwips - 10,
                         qPrintable(QString::number(after)));
                const int step = slot::reelStep(reel, i);
                QCOMPARE((after - before + slot::WrapTwips) % slot::WrapTwips, step);
                moved += step;
                if (step) last = i;
            }
            QCOMPARE(moved, travel);
            QCOMPARE(last, lastMoving);
            const slot::Spin s = slot::spinFromStartRows(rows[0], rows[1], rows[2]);
            QCOMPARE(reels.ReelOffset()[reel], s.StopRow[reel] * slot::RowTwips);
        }
    }

    // Counted over all 1000 equally likely start rows: each flag's share of the return, and
    // 1.19 credits back per credit staked in all.
    void returnPerCredit_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("wins");        // combinations out of 1000 that show it three times
        QTest::addColumn<int>("perThousand"); // credits back per 1000 staked
        QTest::newRow("Japan") << int(slot::Flag::Japan) << 1 << 200;
        QTest::newRow("Germany") << int(slot::Flag::Germany) << 8 << 400;
        QTest::newRow("USA") << int(slot::Flag::USA) << 27 << 270;
        QTest::newRow("UK") << int(slot::Flag::UK) << 64 << 320;
        QTest::newRow("all flags") << -1 << 100 << 1190;
    }
    void returnPerCredit()
    {
        QFETCH(int, flag);
        QFETCH(int, wins);
        QFETCH(int, perThousand);
        int count = 0;
        std::int64_t paid = 0;
        for (int r1 = 0; r1 < 10; ++r1)
            for (int r2 = 0; r2 < 10; ++r2)
                for (int r3 = 0; r3 < 10; ++r3) {
                    const slot::Spin s = slot::spinFromStartRows(r1, r2, r3);
                    if (s.PayFactor == 0) continue;
                    if (flag >= 0 && slot::Strip[s.StopRow[0]] != slot::Flag(flag)) continue;
                    ++count;
                    paid += slot::payout(1, s.PayFactor);
                }
        QCOMPARE(count, wins);
        QCOMPARE(paid, std::int64_t(perThousand));
    }

    // Payouts are wide: bets beyond what 16 bits could pay come out whole.
    void payoutIsWide_data()
    {
        QTest::addColumn<qint64>("bet");
        QTest::addColumn<int>("factor");
        QTest::addColumn<qint64>("payout");
        QTest::newRow("164 on Japan") << qint64(164) << 200 << qint64(32800);
        QTest::newRow("3277 on USA") << qint64(3277) << 10 << qint64(32770);
        QTest::newRow("whole balance on Japan")
            << qint64(std::numeric_limits<std::int32_t>::max()) << 200 << qint64(429496729400);
    }
    void payoutIsWide()
    {
        QFETCH(qint64, bet);
        QFETCH(int, factor);
        QFETCH(qint64, payout);
        QCOMPARE(qint64(slot::payout(bet, factor)), payout);
    }
};

QTEST_APPLESS_MAIN(SlotRules)
#include "tst_slot_rules.moc"
