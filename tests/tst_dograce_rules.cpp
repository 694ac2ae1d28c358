// SPDX-License-Identifier: GPL-3.0-or-later
// The dog race rules: step draws, odds from the type scores, the winning pair, the frames.
#include "testing.h"

#include "games/dograce/race.h"

#include <algorithm>
#include <deque>

using Ints = QList<int>;
using Orders = QList<QList<int>>;
using Draws = QList<double>;

namespace {

std::array<int, 5> five(const Ints &v)
{
    std::array<int, 5> a{};
    for (int i = 0; i < 5; ++i)
        a[i] = v.value(i);
    return a;
}

} // namespace

class DogRaceRules : public QObject
{
    Q_OBJECT
private slots:
    void stepDraws_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("x");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("step");
        const double top = 0.99999;
        // Fast stretches: Int(3r + 4) * 10; elsewhere Int(5r + 1) * 10; type 3 Int(6r + 1) * 10.
        QTest::newRow("0 fast below 3400, lowest") << 0 << 3399 << 0.0 << 40;
        QTest::newRow("0 fast below 3400, middle") << 0 << 3399 << 0.5 << 50;
        QTest::newRow("0 fast below 3400, highest") << 0 << 3399 << top << 60;
        QTest::newRow("0 slow at 3400, lowest") << 0 << 3400 << 0.0 << 10;
        QTest::newRow("0 slow at 3400, highest") << 0 << 3400 << top << 50;
        QTest::newRow("1 fast at 5500") << 1 << 5500 << 0.0 << 40;
        QTest::newRow("1 slow below 5500") << 1 << 5499 << top << 50;
        QTest::newRow("2 fast below 3200") << 2 << 3199 << top << 60;
        QTest::newRow("2 slow at 3200") << 2 << 3200 << 0.0 << 10;
        QTest::newRow("3 lowest") << 3 << 7680 << 0.0 << 10;
        QTest::newRow("3 fifth value") << 3 << 3000 << 4.5 / 6 << 50;
        QTest::newRow("3 highest") << 3 << 800 << top << 60;
        QTest::newRow("4 slow at 6000") << 4 << 6000 << top << 50;
        QTest::newRow("4 fast below 6000") << 4 << 5999 << 0.0 << 40;
        QTest::newRow("4 fast above 3300") << 4 << 3301 << top << 60;
        QTest::newRow("4 slow at 3300") << 4 << 3300 << 0.0 << 10;
    }
    void stepDraws()
    {
        QFETCH(int, type);
        QFETCH(int, x);
        QFETCH(double, r);
        QFETCH(int, step);
        QCOMPARE(dograce::stepSize(type, x, r), step);
    }

    // The odds of the ten pairs when lanes 1 to 5 hold types 0 to 4.
    void odds_data()
    {
        QTest::addColumn<Ints>("scores");
        QTest::addColumn<Ints>("factors");
        QTest::addColumn<Ints>("odds");
        QTest::newRow("default scores") << Ints{16, 23, 33, 26, 17} << Ints{6, 4, 2, 3, 5}
                                        << Ints{10, 8, 9, 11, 6, 7, 9, 5, 7, 8};
        QTest::newRow("equal scores") << Ints{10, 10, 10, 10, 10} << Ints{4, 4, 4, 4, 4}
                                      << Ints{8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
        QTest::newRow("clamped to 99") << Ints{16, 16, 16, 16, 2000} << Ints{128, 128, 128, 128, 0}
                                       << Ints{99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
        // S = 99; the zero score counts as 1.
        QTest::newRow("a zero score") << Ints{0, 23, 33, 26, 17} << Ints{98, 3, 2, 2, 4}
                                      << Ints{99, 99, 99, 99, 5, 5, 7, 4, 6, 6};
        // S = 52; a pair below 1 offers 1.
        QTest::newRow("a negative score") << Ints{100, 100, -150, 1, 1} << Ints{-1, -1, 51, 51, 51}
                                          << Ints{1, 50, 50, 50, 50, 50, 50, 99, 99, 99};
        // S = -82: Int rounds down, so -82 / 8 - 1 gives -12, not -11.
        QTest::newRow("a negative sum") << Ints{-100, 8, 5, 3, 2} << Ints{-83, -12, -18, -29, -42}
                                        << Ints{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        // S = 163835 does not fit 16 bits.
        QTest::newRow("top scores") << Ints{32767, 32767, 32767, 32767, 32767}
                                    << Ints{4, 4, 4, 4, 4} << Ints{8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
    }
    void odds()
    {
        QFETCH(Ints, scores);
        QFETCH(Ints, factors);
        QFETCH(Ints, odds);
        const auto f = dograce::typeFactors(five(scores));
        QCOMPARE(Ints(f.begin(), f.end()), factors);
        Ints got;
        for (const auto &pair : dograce::PairLanes)
            got.append(dograce::pairOdds(f[pair.a - 1], f[pair.b - 1]));
        QCOMPARE(got, odds);
    }

    void scores_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("raised");
        QTest::newRow("as written") << QByteArray(" 17") << 17 << 18;
        QTest::newRow("bare default") << QByteArray("33") << 33 << 34;
        QTest::newRow("trailing letters") << QByteArray("12ab") << 12 << 13;
        QTest::newRow("no number") << QByteArray("dog") << 0 << 1;
        QTest::newRow("empty") << QByteArray("") << 0 << 1;
        QTest::newRow("tie to even") << QByteArray("26.5") << 26 << 27;
        QTest::newRow("negative") << QByteArray("-5") << -5 << -4;
        QTest::newRow("at the top") << QByteArray("32767") << 32767 << 32767;
        QTest::newRow("above the top") << QByteArray("99999") << 32767 << 32767;
        QTest::newRow("below the bottom") << QByteArray("-99999") << -32768 << -32767;
        QTest::newRow("huge exponent") << QByteArray("1E300") << 32767 << 32767;
    }
    void scores()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, score);
        QFETCH(int, raised);
        const int s = dograce::scoreFromText(std::string_view(text.constData(), text.size()));
        QCOMPARE(s, score);
        QCOMPARE(dograce::raisedScore(s), raised);
    }

    void winningPair_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("pair");
        const struct
        {
            const char *caption;
            int a, b, j;
        } pairs[] = {{"1-2", 1, 2, 0}, {"1-3", 1, 3, 1}, {"1-4", 1, 4, 2}, {"1-5", 1, 5, 3},
                     {"2-3", 2, 3, 4}, {"2-4", 2, 4, 5}, {"2-5", 2, 5, 6}, {"3-4", 3, 4, 7},
                     {"3-5", 3, 5, 8}, {"4-5", 4, 5, 9}};
        for (const auto &p : pairs) {
            QTest::addRow("%s", p.caption) << p.a << p.b << p.j;
            QTest::addRow("%s, second lane first", p.caption) << p.b << p.a << p.j;
        }
    }
    void winningPair()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, pair);
        QCOMPARE(dograce::winningPair(first, second), pair);
        const auto lanes = dograce::PairLanes[pair];
        QCOMPARE(std::minmax(first, second), std::minmax(lanes.a, lanes.b));
    }

    // Frames of a race of even runners (type 3: a draw r moves Int(6r + 1) * 10 twips).
    void frames_data()
    {
        QTest::addColumn<Ints>("positions");
        QTest::addColumn<Orders>("orders");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Ints>("placed");
        QTest::addColumn<Ints>("after");
        QTest::addColumn<int>("drawsUsed");
        QTest::newRow("two cross in one frame: move order decides, the rest stand")
            << Ints{760, 760, 760, 760, 760} << Orders{{2, 0, 4, 1, 3}} << Draws{0.99, 0.99}
            << Ints{2, 0} << Ints{700, 760, 700, 760, 760} << 2;
        QTest::newRow("the first to cross wins though a later one lands farther")
            << Ints{5000, 780, 5000, 730, 5000} << Orders{{3, 1, 0, 2, 4}} << Draws{0.0, 0.99}
            << Ints{3, 1} << Ints{5000, 720, 5000, 720, 5000} << 2;
        QTest::newRow("the winner is not moved again and draws nothing")
            << Ints{730, 5000, 5000, 5000, 840}
            << Orders{{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {0, 4, 1, 2, 3}}
            << Draws{0.0, 0.0, 0.0, 0.0, 0.0, 0.99, 0.0, 0.0, 0.0, 0.99} << Ints{0, 4}
            << Ints{720, 4980, 4980, 4980, 710} << 10;
    }
    void frames()
    {
        QFETCH(Ints, positions);
        QFETCH(Orders, orders);
        QFETCH(Draws, draws);
        QFETCH(Ints, placed);
        QFETCH(Ints, after);
        QFETCH(int, drawsUsed);
        dograce::Race race({3, 3, 3, 3, 3}, five(positions));
        std::deque<double> script(draws.begin(), draws.end());
        int used = 0;
        const auto rnd = [&] {
            ++used;
            const double r = script.empty() ? 0.0 : script.front();
            if (!script.empty()) script.pop_front();
            return r;
        };
        for (const Ints &order : orders)
            race.frame(five(order), rnd);
        QVERIFY(race.over());
        QCOMPARE((Ints{race.placed()[0], race.placed()[1]}), placed);
        Ints at;
        for (int i = 0; i < 5; ++i)
            at.append(race.position(i));
        QCOMPARE(at, after);
        QCOMPARE(used, drawsUsed);
        // The race is over: another frame moves nobody.
        QVERIFY(race.frame({0, 1, 2, 3, 4}, rnd).empty());
    }
};

ARCADE_TEST_MAIN(DogRaceRules)
#include "tst_dograce_rules.moc"
