// SPDX-License-Identifier: GPL-3.0-or-later
// The Oicyo Kabu window on the virtual clock with scripted deals: betting, the dealer's play,
// the settlement and its save, the special hands, and closing the window mid-deal.
#include "testing.h"

#include "games/kabu/kabu.h"

#include <QPointer>

#include <array>

using Hand = std::array<int, 3>; // values of a hand's first, second and third slot
Q_DECLARE_METATYPE(Hand)

namespace {

// Scripts the next deal: the dealer's and the three player hands' cards by value. Each value is
// given the next free suit, and the draw's picks are chosen so that it deals exactly these cards.
void scriptDeal(Bench &b, const Hand &dealer, const Hand &h1, const Hand &h2 = {6, 7, 8},
                const Hand &h3 = {8, 7, 6})
{
    const std::array<Hand, 4> hands{dealer, h1, h2, h3};
    std::array<int, 10> suitsUsed{};
    std::array<int, 36> pool{};
    for (int i = 0; i < 36; ++i)
        pool[i] = i + 1;
    for (int k = 0; k < 12; ++k) {
        const int value = hands[k % 4][k / 4];
        const int suit = ++suitsUsed[value];
        if (suit > 4) qFatal("more than four cards of value %d", value);
        const int card = (suit - 1) * 9 + value;
        const int left = 36 - k;
        int r = 0;
        while (pool[r] != card)
            ++r;
        b.random.pushPick(r, left);
        pool[r] = pool[left - 1];
    }
}

bool shown(QObject *w, const QString &name)
{
    return widget(w, name)->isVisible();
}
bool enabled(QObject *w, const QString &name)
{
    return widget(w, name)->isEnabled();
}
void bet(QObject *w, int hand, int times)
{
    auto *button = widget<QAbstractButton>(w, QStringLiteral("Command%1").arg(5 + hand));
    for (int i = 0; i < times; ++i)
        button->click();
}

} // namespace

class KabuWindow : public QObject
{
    Q_OBJECT
private slots:
    void dealShowsFirstCards()
    {
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b, {1, 2, 3}, {4, 5, 6}, {9, 2, 3}, {7, 8, 9});
        auto *w = b.open<Kabu>();
        for (auto [slot, rank] : {std::pair{0, "A"}, {1, "4"}, {2, "9"}, {3, "7"}}) {
            QVERIFY(shown(w, ui::indexed("Picture1", slot)));
            QCOMPARE(text(w, ui::indexed("Label2", slot)), QString(rank));
            QCOMPARE(text(w, ui::indexed("Label3", slot)),
                     QString(rank == QString("A") ? "1" : rank));
        }
        for (int k = 4; k < 12; ++k)
            QVERIFY(!shown(w, ui::indexed("Picture1", k)));
        for (int h = 0; h < 6; ++h)
            QVERIFY(shown(w, ui::indexed("Picture14", h)));
        QCOMPARE(text(w, "Label8"), QString("10"));
        QVERIFY(!enabled(w, "Command1"));
        QVERIFY(enabled(w, "Command5"));
        w->close();
    }

    // One betting hand against the dealer; the balance starts at 40000.
    void singleHandSettles_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<Hand>("dealer");
        QTest::addColumn<int>("stake");
        QTest::addColumn<bool>("dealerDraws");
        QTest::addColumn<QString>("dealerTotal");
        QTest::addColumn<int>("settleAt"); // ms after the OK
        QTest::addColumn<int>("payout");
        QTest::addColumn<QString>("result");
        QTest::newRow("wins") << Hand{4, 4, 9} << Hand{2, 3, 1} << 3 << true << "6" << 2300 << 6
                              << "WIN";
        QTest::newRow("ties") << Hand{3, 3, 9} << Hand{2, 4, 1} << 3 << false << "6" << 1100 << 3
                              << "PUSH";
        QTest::newRow("loses") << Hand{1, 1, 9} << Hand{3, 4, 1} << 3 << false << "7" << 1100 << 0
                               << "LOST";
        QTest::newRow("ties at 3, dealer draws")
            << Hand{1, 2, 9} << Hand{1, 2, 5} << 3 << true << "8" << 2300 << 0 << "LOST";
        QTest::newRow("a bet past 16 bits")
            << Hand{4, 4, 9} << Hand{2, 3, 1} << 32768 << true << "6" << 2300 << 65536 << "WIN";
    }
    void singleHandSettles()
    {
        QFETCH(Hand, hand);
        QFETCH(Hand, dealer);
        QFETCH(int, stake);
        QFETCH(int, settleAt);
        QFETCH(int, payout);
        Bench b;
        b.game.Credit = 40000;
        scriptDeal(b, dealer, hand);
        auto *w = b.open<Kabu>();
        bet(w, 1, stake);
        QCOMPARE(text(w, "Label4(1)"), QString::number(stake));
        QCOMPARE(text(w, "Label8"), QString::number(40000 - stake));
        click(w, "Command1");
        QCOMPARE(text(w, "Label3(1)"), QString::number((hand[0] + hand[1]) % 10));
        click(w, "Command9");
        QVERIFY(shown(w, "Picture1(4)"));
        QVERIFY(!shown(w, "Picture1(8)"));

        b.advance(settleAt - 1);
        QTEST(shown(w, "Picture1(8)"), "dealerDraws");
        QTEST(text(w, "Label3(0)"), "dealerTotal");
        QVERIFY(!shown(w, "Label11(1)"));
        QCOMPARE(text(w, "Label10"), QString("0"));
        QCOMPARE(b.fileText(), QByteArray());

        b.advance(1);
        const int credit = 40000 - stake + payout;
        QCOMPARE(text(w, "Label10"), QString::number(payout));
        QVERIFY(shown(w, "Label11(1)"));
        QTEST(text(w, "Label11(1)"), "result");
        QVERIFY(!shown(w, "Label11(2)"));
        QCOMPARE(b.game.Credit, credit);
        QCOMPARE(b.fileText(), savedBalance(credit)); // saved also when nothing is paid
        QCOMPARE(text(w, "Label8"), QString::number(40000 - stake)); // shown with the next deal

        b.writeFile("[MAIN]\nmarker\n");
        b.advance(2499);
        QVERIFY(shown(w, "Label11(1)"));
        b.advance(1);
        QVERIFY(!shown(w, "Label11(1)"));
        QCOMPARE(text(w, "Label8"), QString::number(credit));
        QCOMPARE(text(w, "Label10"), QString("0"));
        QCOMPARE(text(w, "Label4(1)"), QString("0"));
        QVERIFY(!shown(w, "Picture1(4)"));
        QVERIFY(shown(w, "Picture14(4)"));
        QVERIFY(enabled(w, "Command5") && enabled(w, "Command6") && !enabled(w, "Command1"));
        QCOMPARE(b.fileText(), QByteArray("[MAIN]\nmarker\n")); // one save a settlement
        w->close();
    }

    // A/4 or A/9 for the dealer beats every hand at once, three of a kind included.
    void dealerTakesAll_data()
    {
        QTest::addColumn<Hand>("dealer");
        QTest::addColumn<QString>("dealerTotal");
        QTest::newRow("A then 4") << Hand{1, 4, 9} << "5";
        QTest::newRow("4 then A") << Hand{4, 1, 9} << "5";
        QTest::newRow("9 then A") << Hand{9, 1, 9} << "0";
        QTest::newRow("A then 9") << Hand{1, 9, 9} << "0";
    }
    void dealerTakesAll()
    {
        Bench b;
        b.game.Credit = 10;
        QFETCH(Hand, dealer);
        scriptDeal(b, dealer, {4, 5, 3}, {2, 2, 2}, {6, 7, 8});
        auto *w = b.open<Kabu>();
        bet(w, 1, 1);
        bet(w, 2, 1);
        click(w, "Command1");
        click(w, "Command9");
        click(w, "Command10");
        // Settled at once: no draw, no pause.
        QTEST(text(w, "Label3(0)"), "dealerTotal");
        QVERIFY(!shown(w, "Picture1(8)"));
        for (int h : {1, 2}) {
            QVERIFY(shown(w, ui::indexed("Label11", h)));
            QCOMPARE(text(w, ui::indexed("Label11", h)), QString("LOST"));
        }
        QVERIFY(!shown(w, "Label11(3)"));
        QCOMPARE(text(w, "Label10"), QString("0"));
        QCOMPARE(b.fileText(), savedBalance(8));
        b.advance(2499);
        QVERIFY(!shown(w, "Picture1(8)"));
        QVERIFY(shown(w, "Label11(1)"));
        b.advance(1);
        QVERIFY(!shown(w, "Label11(1)"));
        QCOMPARE(b.game.Credit, 8);
        w->close();
    }

    // Three slots of equal value pay 5 x the bet and nothing more; the label shows the comparison.
    void threeOfAKindBonus_data()
    {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<Hand>("dealer");
        QTest::addColumn<bool>("again");
        QTest::addColumn<QString>("result");
        QTest::newRow("stands and ties") << Hand{3, 3, 3} << Hand{2, 4, 5} << false << "PUSH";
        QTest::newRow("draws and wins") << Hand{3, 3, 3} << Hand{2, 4, 1} << true << "WIN";
        QTest::newRow("stands and loses") << Hand{2, 2, 2} << Hand{2, 5, 1} << false << "WIN";
    }
    void threeOfAKindBonus()
    {
        Bench b;
        b.game.Credit = 10;
        QFETCH(Hand, hand);
        QFETCH(Hand, dealer);
        scriptDeal(b, dealer, hand);
        auto *w = b.open<Kabu>();
        bet(w, 1, 2);
        click(w, "Command1");
        QFETCH(bool, again);
        click(w, again ? "Command2" : "Command9");
        b.advance(2300);
        QCOMPARE(text(w, "Label10"), QString("10"));
        QTEST(text(w, "Label11(1)"), "result");
        QVERIFY(shown(w, "Label11(1)"));
        QCOMPARE(text(w, "Label4(1)"), QString("2"));
        QCOMPARE(b.game.Credit, 18);
        QCOMPARE(b.fileText(), savedBalance(18));
        w->close();
    }

    void betsOnHandsOneAndThreeOnly()
    {
        Bench b;
        b.game.Credit = 10;
        // Hand 2 holds three nines but has no bet: it neither shows a result nor pays.
        scriptDeal(b, {2, 4, 1}, {4, 4, 5}, {9, 9, 9}, {1, 1, 5});
        auto *w = b.open<Kabu>();
        QVERIFY(!enabled(w, "Command1"));
        bet(w, 1, 1);
        QVERIFY(enabled(w, "Command1"));
        QVERIFY(!enabled(w, "Command5"));
        bet(w, 3, 2);
        QCOMPARE(text(w, "Label8"), QString("7"));
        click(w, "Command1");
        for (const char *name :
             {"Command1", "Command6", "Command7", "Command8", "Command3", "Command10"})
            QVERIFY2(!enabled(w, name), name);
        for (const char *name : {"Command2", "Command9", "Command4", "Command11"})
            QVERIFY2(enabled(w, name), name);
        QVERIFY(shown(w, "Picture14(2)") && !shown(w, "Picture1(6)"));
        QVERIFY(!shown(w, "Picture14(1)") && shown(w, "Picture1(5)"));
        QVERIFY(!shown(w, "Picture14(3)") && shown(w, "Picture1(7)"));

        click(w, "Command9"); // hand 1 stands on 8
        QVERIFY(!shown(w, "Picture1(4)"));
        QVERIFY(shown(w, "Picture14(4)"));
        click(w, "Command4"); // hand 3 draws: 1 + 1 + 5 = 7
        QVERIFY(shown(w, "Picture1(11)"));
        QCOMPARE(text(w, "Label3(3)"), QString("7"));
        QVERIFY(shown(w, "Picture1(4)")); // the dealer plays at once

        b.advance(2300); // two hands beat 6: the dealer draws an A to 7
        QCOMPARE(text(w, "Label3(0)"), QString("7"));
        QCOMPARE(text(w, "Label11(1)"), QString("WIN"));
        QCOMPARE(text(w, "Label11(3)"), QString("PUSH"));
        QVERIFY(shown(w, "Label11(1)") && shown(w, "Label11(3)") && !shown(w, "Label11(2)"));
        QCOMPARE(text(w, "Label10"), QString("4"));
        QCOMPARE(b.game.Credit, 11);
        w->close();
    }

    // Closing finishes the dealer's play unseen and saves it; a hand waiting for the player is
    // left undecided with its stake taken.
    void closeMidDeal_data()
    {
        QTest::addColumn<bool>("pressOk");
        QTest::addColumn<int>("wait");
        QTest::addColumn<int>("credit");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("waiting for OK") << false << 0 << 7 << QByteArray();
        QTest::newRow("before the dealer's draw") << true << 600 << 13 << savedBalance(13);
        QTest::newRow("before the settlement") << true << 1500 << 13 << savedBalance(13);
        QTest::newRow("showing the result") << true << 3000 << 13 << savedBalance(13);
    }
    void closeMidDeal()
    {
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b, {2, 3, 1}, {4, 4, 9});
        QPointer<Kabu> w = b.open<Kabu>();
        bet(w, 1, 3);
        click(w, "Command1");
        QFETCH(bool, pressOk);
        QFETCH(int, wait);
        if (pressOk) click(w, "Command9");
        b.advance(wait);
        b.menu.hide();
        w->close();
        QTEST(b.game.Credit, "credit");
        QTEST(b.fileText(), "file");
        QVERIFY(b.menu.isVisible());
        QVERIFY(b.clock.idle());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(KabuWindow)
#include "tst_kabu.moc"
