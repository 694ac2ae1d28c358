// SPDX-License-Identifier: GPL-3.0-or-later
// Mark's rules: the deck, the matching of a card against the choices in both modes, the pay.
#include "testing.h"

#include "games/mark/markrules.h"

namespace {

int suitOf(QChar c)
{
    switch (c.unicode()) {
    case 'H':
        return mark::Heart;
    case 'C':
        return mark::Club;
    case 'D':
        return mark::Diamond;
    default:
        return mark::Spade;
    }
}

std::array<int, mark::Choices> choicesOf(const QString &s)
{
    return {suitOf(s[0]), suitOf(s[1]), suitOf(s[2])};
}

} // namespace

Q_DECLARE_METATYPE(mark::Mode)

class MarkRules : public QObject
{
    Q_OBJECT
private slots:
    void deck_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("suit");
        QTest::newRow("first card") << "1" << 1 << 1;
        QTest::newRow("K of hearts") << "13" << 13 << 1;
        QTest::newRow("A of clubs") << "14" << 1 << 2;
        QTest::newRow("10 of diamonds") << "36" << 10 << 3;
        QTest::newRow("Q of spades") << "51" << 12 << 4;
        QTest::newRow("last card") << "52" << 13 << 4;
        // Any other text is the last card.
        QTest::newRow("empty") << "" << 13 << 4;
        QTest::newRow("zero") << "0" << 13 << 4;
        QTest::newRow("past the deck") << "53" << 13 << 4;
        QTest::newRow("leading zero") << "07" << 13 << 4;
        QTest::newRow("negative") << "-1" << 13 << 4;
        QTest::newRow("blank") << " 7" << 13 << 4;
        QTest::newRow("trailing text") << "7x" << 13 << 4;
        QTest::newRow("huge") << "99999999999999999999" << 13 << 4;
    }
    void deck()
    {
        QFETCH(QString, tag);
        QFETCH(int, value);
        QFETCH(int, suit);
        const mark::DeckCard c = mark::cardOfTag(tag.toStdString());
        QCOMPARE(c.value, value);
        QCOMPARE(c.suit, suit);
    }

    void choicesCycleThroughTheSuits()
    {
        const std::array<std::pair<int, int>, 6> next{
            {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {0, 1}, {9, 1}}};
        for (auto [from, to] : next)
            QCOMPARE(mark::nextSuit(from), to);
    }

    void matching_data()
    {
        QTest::addColumn<mark::Mode>("mode");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("lamps"); // per card turned: the lamp it lit or '.'
        QTest::addColumn<int>("perCredit");
        const auto combination = mark::Mode::Combination, order = mark::Mode::Order;
        QTest::newRow("heart heart spade, combination") << combination << "HHS"
                                                        << "SCHHD"
                                                        << "2.01" << 6;
        QTest::newRow("heart heart spade, order") << order << "HHS"
                                                  << "SCHHD"
                                                  << "..01." << 0;
        QTest::newRow("three equal choices, three dealt") << combination << "SSS"
                                                          << "SHSSC"
                                                          << "0.12" << 6;
        QTest::newRow("three equal choices, two dealt") << combination << "SSS"
                                                        << "SHSDC"
                                                        << "0.1.." << 0;
        QTest::newRow("three equal choices, order") << order << "SSS"
                                                    << "SCSDS"
                                                    << "0.1.2" << 10;
        QTest::newRow("any order on the third card") << combination << "DCH"
                                                     << "HCD"
                                                     << "210" << 15;
        QTest::newRow("in order on the third card") << order << "DCH"
                                                    << "DCH"
                                                    << "012" << 50;
        QTest::newRow("out of order lights the first only") << order << "DCH"
                                                            << "DHH"
                                                            << "0.." << 0;
        QTest::newRow("in order on the fourth card") << order << "CHD"
                                                     << "HCHD"
                                                     << ".012" << 20;
        QTest::newRow("combination on the fifth card") << combination << "HCD"
                                                       << "HSCSD"
                                                       << "0.1.2" << 3;
        QTest::newRow("one card lights one lamp") << combination << "HHH"
                                                  << "HCCCC"
                                                  << "0...." << 0;
        QTest::newRow("nothing matches") << combination << "HHH"
                                         << "SCDSC"
                                         << "....." << 0;
    }
    void matching()
    {
        QFETCH(mark::Mode, mode);
        QFETCH(QString, choices);
        QFETCH(QString, cards);
        QFETCH(QString, lamps);
        QFETCH(int, perCredit);
        mark::Round round(mode);
        QString lit;
        for (QChar c : cards) {
            if (round.over()) break; // the rest stays face down
            const int lamp = round.turn(suitOf(c), choicesOf(choices));
            lit += lamp < 0 ? QChar('.') : QChar('0' + lamp);
        }
        QCOMPARE(lit, lamps);
        QCOMPARE(round.turned(), int(lamps.size()));
        QCOMPARE(round.won(), perCredit > 0);
        QCOMPARE(round.payout(1), perCredit);
        QCOMPARE(round.payout(7), 7 * perCredit);
    }

    // The choices are read at each turn, so a choice changed between cards counts from then on.
    void choicesAreReadAtEachTurn()
    {
        mark::Round round(mark::Mode::Order);
        QCOMPARE(round.turn(mark::Club, {mark::Heart, mark::Heart, mark::Heart}), -1);
        QCOMPARE(round.turn(mark::Club, {mark::Club, mark::Heart, mark::Heart}), 0);
        QCOMPARE(round.turn(mark::Spade, {mark::Heart, mark::Spade, mark::Heart}), 1);
        QCOMPARE(round.turn(mark::Diamond, {mark::Heart, mark::Heart, mark::Diamond}), 2);
        QVERIFY(round.won());
        QCOMPARE(round.payout(1), 20);
    }

    void pay_data()
    {
        QTest::addColumn<mark::Mode>("mode");
        QTest::addColumn<QString>("cards"); // against the choices heart, heart, heart
        QTest::addColumn<qint64>("stake");
        QTest::addColumn<qint64>("payout");
        const auto combination = mark::Mode::Combination, order = mark::Mode::Order;
        QTest::newRow("combination, 3rd card") << combination << "HHH" << 1LL << 15LL;
        QTest::newRow("combination, 4th card") << combination << "CHHH" << 1LL << 6LL;
        QTest::newRow("combination, 5th card") << combination << "CCHHH" << 1LL << 3LL;
        QTest::newRow("combination, never") << combination << "CCHHC" << 1LL << 0LL;
        QTest::newRow("order, 3rd card") << order << "HHH" << 1LL << 50LL;
        QTest::newRow("order, 4th card") << order << "CHHH" << 1LL << 20LL;
        QTest::newRow("order, 5th card") << order << "CCHHH" << 1LL << 10LL;
        QTest::newRow("order, never") << order << "HCHCC" << 1LL << 0LL;
        QTest::newRow("stake of 4") << combination << "CHHH" << 4LL << 24LL;
        // The largest stake the balance allows pays beyond 32 bits without wrapping.
        QTest::newRow("widest stake") << order << "HHH" << 2147483647LL << 107374182350LL;
    }
    void pay()
    {
        QFETCH(mark::Mode, mode);
        QFETCH(QString, cards);
        QFETCH(qint64, stake);
        QFETCH(qint64, payout);
        mark::Round round(mode);
        for (QChar c : cards)
            round.turn(suitOf(c), {mark::Heart, mark::Heart, mark::Heart});
        QVERIFY(round.over());
        QCOMPARE(round.payout(stake), payout);
        QCOMPARE(round.turn(mark::Heart, {mark::Heart, mark::Heart, mark::Heart}), -1); // over
    }
};

ARCADE_TEST_MAIN(MarkRules)
#include "tst_mark_rules.moc"
