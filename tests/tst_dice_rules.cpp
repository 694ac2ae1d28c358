// SPDX-License-Identifier: GPL-3.0-or-later
// The dice board's rules: the fields of the outcomes, the lines through them, and the payout.
#include "games/dice/dicerules.h"

#include <QStringList>
#include <QTest>

namespace {

// Stakes written as "P18 F0 L3x5": outcome 18, field A (0) and five credits on line 3.
dice::Bets bets(const QString &stakes)
{
    dice::Bets b;
    for (const QString &word : stakes.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = word.mid(1).split('x');
        const int index = parts[0].toInt();
        const dice::Bets::Count amount = parts.size() > 1 ? parts[1].toInt() : 1;
        switch (word[0].toLatin1()) {
        case 'P':
            b.pair.at(index) += amount;
            break;
        case 'F':
            b.field.at(index) += amount;
            break;
        case 'L':
            b.line.at(index) += amount;
            break;
        default:
            qFatal("bad stake %s", qPrintable(word));
        }
    }
    return b;
}

} // namespace

class DiceRules : public QObject
{
    Q_OBJECT
private slots:
    void everyOutcomeLiesInOneFieldAndItsTwoLines()
    {
        for (int i = 0; i < dice::Outcomes; ++i) {
            int listed = 0;
            for (int k = 0; k < dice::Fields; ++k)
                for (int o : dice::outcomesOf(k))
                    if (o == i) {
                        ++listed;
                        QCOMPARE(dice::fieldOf(i), k);
                    }
            QCOMPARE(listed, 1);
        }
        for (int k = 0; k < dice::Fields; ++k) {
            QVERIFY(QString(dice::lineName(dice::rowLine(k))).contains(dice::fieldName(k)));
            QVERIFY(QString(dice::lineName(dice::columnLine(k))).contains(dice::fieldName(k)));
        }
        QCOMPARE(dice::fieldOf(-1), -1);
        QCOMPARE(dice::fieldOf(36), -1);
        QCOMPARE(dice::payout(bets("P0 F0 L0 L3"), 36), 0);
    }

    void payout_data()
    {
        QTest::addColumn<QString>("stakes");
        QTest::addColumn<int>("first"); // faces 1 to 6
        QTest::addColumn<int>("second");
        QTest::addColumn<qint64>("paid");

        QTest::newRow("outcome (1,1) on (1,1)") << "P0" << 1 << 1 << 36LL;
        QTest::newRow("outcome (1,1) on (1,2)") << "P0" << 1 << 2 << 0LL;
        QTest::newRow("outcome (2,1) on (1,2)") << "P6" << 1 << 2 << 0LL;
        QTest::newRow("outcome (2,1) on (2,1)") << "P6" << 2 << 1 << 36LL;
        QTest::newRow("outcome (6,6) x3 on (6,6)") << "P35x3" << 6 << 6 << 108LL;
        for (auto [a, b] : {std::pair{1, 1}, {1, 3}, {1, 4}, {4, 1}})
            QTest::addRow("field A on (%d,%d)", a, b) << "F0" << a << b << 9LL;
        QTest::newRow("field A on (3,1)") << "F0" << 3 << 1 << 0LL;
        QTest::newRow("field C on (3,1)") << "F2" << 3 << 1 << 9LL;
        QTest::newRow("field I on (6,6)") << "F8" << 6 << 6 << 9LL;
        QTest::newRow("field E x2 on (3,5)") << "F4x2" << 3 << 5 << 18LL;
        const struct
        {
            const char *field;
            int first, second;
            qint64 paid;
        } lines[] = {{"A", 1, 1, 6}, {"B", 1, 2, 3}, {"C", 2, 1, 3}, {"D", 3, 3, 3}, {"G", 5, 3, 3},
                     {"E", 4, 2, 0}, {"F", 5, 1, 0}, {"H", 6, 2, 0}, {"I", 6, 6, 0}};
        for (const auto &l : lines)
            QTest::addRow("lines A+B+C, A+D+G on %s", l.field)
                << "L0 L3" << l.first << l.second << l.paid;
        QTest::newRow("line B+E+H on H") << "L4" << 6 << 5 << 3LL;
        QTest::newRow("line G+H+I on H") << "L2" << 5 << 5 << 3LL;
        QTest::newRow("line C+F+I on F") << "L5" << 3 << 4 << 3LL;
        QTest::newRow("outcome, field, lines on (4,1)") << "P18 F0 L0 L3" << 4 << 1 << 51LL;
        QTest::newRow("the same stakes on (1,1)") << "P18 F0 L0 L3" << 1 << 1 << 15LL;
        QTest::newRow("field and lines elsewhere") << "P18 F0 L0 L3" << 6 << 6 << 0LL;
        QString everything;
        for (int i = 0; i < dice::Outcomes; ++i)
            everything += QString(" P%1").arg(i);
        for (int k = 0; k < dice::Fields; ++k)
            everything += QString(" F%1").arg(k);
        for (int j = 0; j < dice::Lines; ++j)
            everything += QString(" L%1").arg(j);
        QTest::newRow("one on every bet on (3,5)") << everything << 3 << 5 << 51LL;
        // No 16-bit wrap anywhere: the counters and the payout are wide.
        QTest::newRow("32767 on outcome") << "P0x32767" << 1 << 1 << 1179612LL;
        QTest::newRow("32768 on field") << "F0x32768" << 1 << 1 << 294912LL;
        QTest::newRow("full counters on (6,6)")
            << "P35x2147483647 F8x2147483647 L2x2147483647 L5x2147483647" << 6 << 6
            << 51LL * 2147483647LL;
    }

    void payout()
    {
        QFETCH(QString, stakes);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(qint64, paid);
        QCOMPARE(dice::payout(bets(stakes), dice::outcome(first - 1, second - 1)), paid);
    }

    // Over all 36 equally likely outcomes, every bet returns exactly what it stakes.
    void everyBetReturnsOnePerCreditStaked_data()
    {
        QTest::addColumn<QString>("stake");
        for (int i = 0; i < dice::Outcomes; ++i)
            QTest::addRow("outcome %d", i) << QString("P%1").arg(i);
        for (int k = 0; k < dice::Fields; ++k)
            QTest::addRow("field %s", dice::fieldName(k)) << QString("F%1").arg(k);
        for (int j = 0; j < dice::Lines; ++j)
            QTest::addRow("line %s", dice::lineName(j)) << QString("L%1").arg(j);
    }

    void everyBetReturnsOnePerCreditStaked()
    {
        QFETCH(QString, stake);
        const dice::Bets b = bets(stake);
        qint64 returned = 0;
        for (int first = 0; first < dice::Faces; ++first)
            for (int second = 0; second < dice::Faces; ++second)
                returned += dice::payout(b, dice::outcome(first, second));
        QCOMPARE(returned, qint64(dice::Outcomes)); // 36 credits back for 36 credits staked
    }
};

QTEST_APPLESS_MAIN(DiceRules)
#include "tst_dice_rules.moc"
