// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure hunt's rules: what a chest's code does when clicked, and the doubling ladder.
#include "testing.h"

#include "games/treasure/hunt.h"

#include <limits>

using treasure::Chest;

Q_DECLARE_METATYPE(Chest)

class TreasureRules : public QObject
{
    Q_OBJECT
private slots:
    void chestCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Chest>("chest");
        QTest::newRow("first gold") << 1 << Chest::Gold;
        QTest::newRow("last gold") << 11 << Chest::Gold;
        QTest::newRow("first empty") << 12 << Chest::Empty;
        QTest::newRow("last empty") << 25 << Chest::Empty;
        QTest::newRow("found") << 100 << Chest::Found;
        QTest::newRow("never dealt") << 0 << Chest::None;
    }
    void chestCodes()
    {
        QFETCH(int, code);
        QFETCH(Chest, chest);
        QCOMPARE(treasure::chestOf(code), chest);
    }

    void ladder_data()
    {
        QTest::addColumn<qint64>("stake");
        QTest::addColumn<int>("finds");
        QTest::addColumn<qint64>("win");
        QTest::addColumn<qint64>("offered");
        QTest::newRow("stake 3, one find") << qint64(3) << 1 << qint64(6) << qint64(4);
        QTest::newRow("stake 1, two finds") << qint64(1) << 2 << qint64(4) << qint64(8);
        QTest::newRow("stake 1, ten finds") << qint64(1) << 10 << qint64(1024) << qint64(2048);
        QTest::newRow("stake 1, all eleven") << qint64(1) << 11 << qint64(2048) << qint64(4096);
        QTest::newRow("stake 5, all eleven") << qint64(5) << 11 << qint64(10240) << qint64(4096);
        // A whole 32-bit balance staked: the win does not fit 32 bits and must not wrap.
        const qint64 most = std::numeric_limits<std::int32_t>::max();
        QTest::newRow("widest stake") << most << 11 << most * 2048 << qint64(4096);
    }
    void ladder()
    {
        QFETCH(qint64, stake);
        QFETCH(int, finds);
        QFETCH(qint64, win);
        QFETCH(qint64, offered);
        QCOMPARE(treasure::winFor(stake, finds), win);
        QCOMPARE(treasure::nextFactor(finds), offered);
    }
};

ARCADE_TEST_MAIN(TreasureRules)
#include "tst_treasure_rules.moc"
