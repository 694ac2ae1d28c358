// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of Oicho-Kabu: cards of the deck, hand totals, the dealer's special hands, the
// dealer's third-card decision and three of a kind.
#include "testing.h"

#include "games/kabu/kaburules.h"

class KabuRules : public QObject
{
    Q_OBJECT
private slots:
    void cardOfTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("suit");
        QTest::newRow("1: A of hearts") << "1" << 1 << 1;
        QTest::newRow("9: 9 of hearts") << "9" << 9 << 1;
        QTest::newRow("10: A of clubs") << "10" << 1 << 2;
        QTest::newRow("28: A of spades") << "28" << 1 << 4;
        QTest::newRow("35: 8 of spades") << "35" << 8 << 4;
        QTest::newRow("36: 9 of spades") << "36" << 9 << 4;
        QTest::newRow("empty text") << "" << 9 << 4;
        QTest::newRow("beyond the deck") << "37" << 9 << 4;
    }
    void cardOfTag()
    {
        QFETCH(QString, tag);
        const kabu::Card card = kabu::cardOfTag(tag.toStdString());
        QTEST(card.value, "value");
        QTEST(card.suit, "suit");
    }

    void totals_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("sum");
        QTest::newRow("5 + 5") << 5 << 5 << 0;
        QTest::newRow("9 + 9") << 9 << 9 << 8;
        QTest::newRow("4 + 1") << 4 << 1 << 5;
        QTest::newRow("0 + 9") << 0 << 9 << 9;
        QTest::newRow("1 + 9") << 1 << 9 << 0;
    }
    void totals()
    {
        QFETCH(int, total);
        QFETCH(int, value);
        QTEST(kabu::addCard(total, value), "sum");
    }

    void dealerTakesAll_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("takesAll");
        QTest::newRow("A then 4") << 1 << 4 << true;
        QTest::newRow("4 then A") << 4 << 1 << true;
        QTest::newRow("9 then A") << 9 << 1 << true;
        QTest::newRow("A then 9") << 1 << 9 << true;
        QTest::newRow("2 then 3") << 2 << 3 << false;
        QTest::newRow("3 then 2") << 3 << 2 << false;
        QTest::newRow("5 then 5") << 5 << 5 << false;
        QTest::newRow("8 then 2") << 8 << 2 << false;
    }
    void dealerTakesAll()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QTEST(kabu::dealerTakesAll(kabu::addCard(first, second), second), "takesAll");
    }

    void dealerDraws_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("D");
        QTest::addColumn<bool>("draws");
        QTest::newRow("1 hand: beats, D 8") << 1 << 1 << 0 << 8 << true;
        QTest::newRow("1 hand: ties, D 3") << 1 << 0 << 1 << 3 << true;
        QTest::newRow("1 hand: ties, D 4") << 1 << 0 << 1 << 4 << false;
        QTest::newRow("1 hand: loses, D 1") << 1 << 0 << 0 << 1 << false;
        QTest::newRow("2 hands: both beat, D 8") << 2 << 2 << 0 << 8 << true;
        QTest::newRow("2 hands: beats and ties, D 3") << 2 << 1 << 1 << 3 << true;
        QTest::newRow("2 hands: beats and ties, D 4") << 2 << 1 << 1 << 4 << false;
        QTest::newRow("2 hands: both tie, D 3") << 2 << 0 << 2 << 3 << true;
        QTest::newRow("2 hands: both tie, D 4") << 2 << 0 << 2 << 4 << false;
        QTest::newRow("2 hands: beats and loses, D 0") << 2 << 1 << 0 << 0 << false;
        QTest::newRow("2 hands: beats and loses, D 5") << 2 << 1 << 0 << 5 << false;
        QTest::newRow("3 hands: all beat, D 8") << 3 << 3 << 0 << 8 << true;
        QTest::newRow("3 hands: 2 beat, D 6") << 3 << 2 << 0 << 6 << true;
        QTest::newRow("3 hands: 2 beat, D 7") << 3 << 2 << 0 << 7 << false;
        QTest::newRow("3 hands: 2 beat 1 ties, D 7") << 3 << 2 << 1 << 7 << true;
        QTest::newRow("3 hands: 2 beat 1 ties, D 8") << 3 << 2 << 1 << 8 << false;
        QTest::newRow("3 hands: 1 beats 1 ties, D 5") << 3 << 1 << 1 << 5 << true;
        QTest::newRow("3 hands: 1 beats 2 tie, D 5") << 3 << 1 << 2 << 5 << true;
        QTest::newRow("3 hands: 1 beats 1 ties, D 6") << 3 << 1 << 1 << 6 << false;
        QTest::newRow("3 hands: 1 beats, D 0") << 3 << 1 << 0 << 0 << false;
        QTest::newRow("3 hands: 2 tie, D 3") << 3 << 0 << 2 << 3 << true;
        QTest::newRow("3 hands: 3 tie, D 3") << 3 << 0 << 3 << 3 << true;
        QTest::newRow("3 hands: 2 tie, D 4") << 3 << 0 << 2 << 4 << false;
        QTest::newRow("3 hands: 1 ties, D 0") << 3 << 0 << 1 << 0 << false;
        QTest::newRow("no hands") << 0 << 0 << 0 << 0 << false;
    }
    void dealerDraws()
    {
        QFETCH(int, n);
        QFETCH(int, w);
        QFETCH(int, t);
        QFETCH(int, D);
        QTEST(kabu::DEALER_DRAWS(n, w, t, D), "draws");
    }

    // The test reads a hand's three slots, so an undrawn third card counts as well.
    void threeOfAKind_data()
    {
        QTest::addColumn<int>("hand");
        QTest::addColumn<QList<int>>("cards"); // the hand's first, second, third slot
        QTest::addColumn<bool>("three");
        QTest::newRow("hand 1: 2 2 2") << 1 << QList<int>{2, 2, 2} << true;
        QTest::newRow("hand 1: 2 2 3") << 1 << QList<int>{2, 2, 3} << false;
        QTest::newRow("hand 2: 7 3 7") << 2 << QList<int>{7, 3, 7} << false;
        QTest::newRow("hand 3: 9 9 9") << 3 << QList<int>{9, 9, 9} << true;
    }
    void threeOfAKind()
    {
        QFETCH(int, hand);
        QFETCH(QList<int>, cards);
        // Every other slot holds a different value, so only the hand's own slots can match.
        std::array<int, kabu::SlotCount> values{};
        for (int k = 0; k < kabu::SlotCount; ++k)
            values[k] = k % 9 + 1;
        for (int c = 0; c < 3; ++c)
            values[kabu::slotOf(hand, c)] = cards[c];
        QTEST(kabu::threeOfAKind(values, hand), "three");
    }
};

ARCADE_TEST_MAIN(KabuRules)
#include "tst_kabu_rules.moc"
