// SPDX-License-Identifier: GPL-3.0-or-later
// The Mark window: the deal, the turn of the cards with its pauses, the lamps, the banners, the
// pay and the return to the design state after every play, and closing in the middle of a play.
#include "testing.h"

#include "games/common/cards.h"
#include "games/mark/card.h"
#include "ui/pictures.h"

#include <QPointer>

namespace {

using Deal = std::array<int, 5>; // card numbers: (suit - 1) * 13 + value

// Scripts the chance of the next deal so that the draw hands out these five cards first.
void scriptDeal(ui::ScriptedRandom &random, const Deal &cards)
{
    std::array<int, 52> pool{};
    for (int i = 0; i < 52; ++i)
        pool[i] = i + 1;
    for (int i = 0; i < 52; ++i) {
        const int size = 52 - i;
        int r = 0;
        if (i < 5) {
            r = int(std::find(pool.begin(), pool.begin() + size, cards[i]) - pool.begin());
            QVERIFY(r < size);
        }
        random.pushPick(r, size);
        pool[r] = pool[size - 1];
    }
}

int card(char suit, int value)
{
    return (suit == 'H' ? 0 : suit == 'C' ? 1 : suit == 'D' ? 2 : 3) * 13 + value;
}

// The lamps as a text: 'G' lit (green), '.' open (grey), '?' any other colour.
QString lamps(QWidget *w)
{
    QString s;
    for (int j = 0; j < 3; ++j) {
        const QColor c = widget<ui::Shape>(w, ui::indexed("Shape1", j))->fillColor();
        s += c == ui::rgb(0, 255, 0) ? 'G' : c == ui::rgb(192, 192, 192) ? '.' : '?';
    }
    return s;
}

// The cards as a text: 'F' face up, 'B' face down, '?' both or neither.
QString faces(QWidget *w)
{
    QString s;
    for (int k = 0; k < 5; ++k) {
        const bool face = widget(w, ui::indexed("Picture1", k))->isVisible();
        const bool back = widget(w, ui::indexed("Picture14", k))->isVisible();
        s += face && !back ? 'F' : back && !face ? 'B' : '?';
    }
    return s;
}

int shownSuit(QWidget *w, const QString &name)
{
    const qint64 key = widget<ui::Picture>(w, name)->picture().cacheKey();
    for (int s = 1; s <= 4; ++s)
        if (ui::picture(cards::suitPicture(s)).cacheKey() == key) return s;
    return 0;
}

// Clicks the choice boxes from hearts to these suits.
void choose(QWidget *w, const std::array<int, 3> &suits)
{
    for (int j = 0; j < 3; ++j)
        for (int s = 1; s < suits[j]; ++s)
            click(w, ui::indexed("Picture2", j));
}

// The design state every play returns to: cards face down, choices on hearts, lamps grey,
// combination mode, bonus x5, no banner, BET and PLAY OUT enabled, START disabled.
void checkIdle(QWidget *w)
{
    QCOMPARE(faces(w), QString("BBBBB"));
    QCOMPARE(lamps(w), QString("..."));
    for (int j = 0; j < 3; ++j)
        QCOMPARE(shownSuit(w, ui::indexed("Picture2", j)), 1);
    QCOMPARE(text(w, "Label3"), QString("組合せ（×３）"));
    QCOMPARE(text(w, "Label4"), QString("×５"));
    QVERIFY(!widget(w, "Picture10")->isVisible());
    QVERIFY(!widget(w, "Picture9")->isVisible());
    QVERIFY(widget(w, "Command3")->isEnabled());
    QVERIFY(widget(w, "Command2")->isEnabled());
    QVERIFY(!widget(w, "Command1")->isEnabled());
    QCOMPARE(text(w, "Label5"), QString("0"));
    QCOMPARE(text(w, "Label16"), QString("0"));
}

} // namespace

using Choices = std::array<int, 3>;
Q_DECLARE_METATYPE(Choices)

class MarkWindow : public QObject
{
    Q_OBJECT
private slots:
    void dealShowsTheDrawnCardsFaceDown()
    {
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random,
                   {card('S', 5), card('C', 7), card('H', 1), card('H', 10), card('D', 13)});
        auto *w = b.open<Card>();
        checkIdle(w);
        QCOMPARE(text(w, "Label13"), QString("10"));
        const QStringList ranks{"5", "7", "A", "10", "K"};
        const std::array<int, 5> suits{4, 2, 1, 1, 3};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(text(w, ui::indexed("Label2", k)), ranks[k]);
            QCOMPARE(shownSuit(w, ui::indexed("Image5", k)), suits[k]);
        }
        delete w;
    }

    // A whole play: the lamps after each card (one card every 1.1 s), the banner, the WIN box
    // during the 1.9 s pause, then the new deal, the pay saved and the design state again.
    void play_data()
    {
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<bool>("order");
        QTest::addColumn<int>("stakes");
        QTest::addColumn<Deal>("deal");
        QTest::addColumn<QStringList>("lampsByCard");
        QTest::addColumn<int>("win");
        const Deal example{card('S', 5), card('C', 7), card('H', 1), card('H', 10), card('D', 13)};
        QTest::newRow("heart heart spade, combination")
            << Choices{1, 1, 4} << false << 1 << example << QStringList{"..G", "..G", "G.G", "GGG"}
            << 6;
        QTest::newRow("heart heart spade, order")
            << Choices{1, 1, 4} << true << 1 << example
            << QStringList{"...", "...", "G..", "GG.", "GG."} << 0;
        QTest::newRow("three equal choices, three dealt")
            << Choices{4, 4, 4} << false << 1
            << Deal{card('S', 1), card('H', 2), card('S', 3), card('S', 4), card('C', 5)}
            << QStringList{"G..", "G..", "GG.", "GGG"} << 6;
        QTest::newRow("three equal choices, two dealt")
            << Choices{4, 4, 4} << false << 1
            << Deal{card('S', 1), card('H', 2), card('S', 3), card('C', 4), card('D', 5)}
            << QStringList{"G..", "G..", "GG.", "GG.", "GG."} << 0;
        QTest::newRow("won on the third card, order, two stakes")
            << Choices{3, 2, 1} << true << 2
            << Deal{card('D', 11), card('C', 12), card('H', 13), card('D', 1), card('C', 2)}
            << QStringList{"G..", "GG.", "GGG"} << 100;
        QTest::newRow("won on the fifth card, combination")
            << Choices{1, 2, 3} << false << 1
            << Deal{card('H', 9), card('S', 8), card('C', 7), card('S', 6), card('D', 5)}
            << QStringList{"G..", "G..", "GG.", "GG.", "GGG"} << 3;
    }
    void play()
    {
        QFETCH(Choices, choices);
        QFETCH(bool, order);
        QFETCH(int, stakes);
        QFETCH(Deal, deal);
        QFETCH(QStringList, lampsByCard);
        QFETCH(int, win);
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random, deal);
        auto *w = b.open<Card>();
        choose(w, choices);
        for (int i = 0; i < stakes; ++i)
            click(w, "Command3");
        QCOMPARE(text(w, "Label5"), QString::number(stakes));
        QCOMPARE(text(w, "Label13"), QString::number(10 - stakes));
        QVERIFY(widget(w, "Command1")->isEnabled());
        QVERIFY(!widget(w, "Command2")->isEnabled());
        if (order) click(w, "Label3");
        QCOMPARE(text(w, "Label3"), order ? QString("順 列（×１０）") : QString("組合せ（×３）"));

        click(w, "Command1");
        QVERIFY(!widget(w, "Command1")->isEnabled());
        QVERIFY(!widget(w, "Command3")->isEnabled());
        const int turned = int(lampsByCard.size());
        for (int i = 0; i < turned; ++i) {
            if (i > 0) b.advance(1100);
            QCOMPARE(lamps(w), lampsByCard[i]);
            QCOMPARE(faces(w), QString("FFFFF").left(i + 1) + QString("BBBBB").mid(i + 1));
            QCOMPARE(text(w, "Label4"), QString(i < 3 ? "×５" : i == 3 ? "×２" : "×１"));
        }
        if (!win) {
            QVERIFY(!widget(w, "Picture9")->isVisible());
            b.advance(1099); // the last card is shown 1.1 s before the verdict
            QVERIFY(!widget(w, "Picture9")->isVisible());
            b.advance(1);
        }
        QCOMPARE(widget(w, "Picture10")->isVisible(), win > 0);
        QCOMPARE(widget(w, "Picture9")->isVisible(), win == 0);
        QCOMPARE(text(w, "Label16"), QString::number(win));
        QCOMPARE(text(w, "Label13"), QString::number(10 - stakes)); // paid after the pause
        b.advance(1899);
        QCOMPARE(faces(w), QString("FFFFF").left(turned) + QString("BBBBB").mid(turned));
        QVERIFY(b.fileText().isEmpty());
        b.advance(1);
        checkIdle(w);
        QCOMPARE(text(w, "Label13"), QString::number(10 - stakes + win));
        QCOMPARE(b.game.Credit, 10 - stakes + win);
        QCOMPARE(b.fileText(), savedBalance(10 - stakes + win));
        QVERIFY(b.clock.idle());
        delete w;
    }

    // The choices are matched as they are when each card is turned.
    void choiceChangedDuringAPlay()
    {
        Bench b;
        b.game.Credit = 5;
        scriptDeal(b.random,
                   {card('H', 2), card('C', 3), card('D', 4), card('S', 5), card('S', 6)});
        auto *w = b.open<Card>();
        click(w, "Command3");
        click(w, "Command1");
        QCOMPARE(lamps(w), QString("G..")); // the heart, on the first box
        click(w, "Picture2(1)");            // heart -> club, before the club is turned
        QCOMPARE(shownSuit(w, "Picture2(1)"), 2);
        b.advance(1100);
        QCOMPARE(lamps(w), QString("GG."));
        click(w, "Picture2(2)");
        click(w, "Picture2(2)"); // heart -> diamond, before the diamond is turned
        click(w, "Picture2(0)"); // a lit lamp's box changes nothing any more
        b.advance(1100);
        QCOMPARE(lamps(w), QString("GGG"));
        QCOMPARE(faces(w), QString("FFFBB"));
        QCOMPARE(text(w, "Label16"), QString("15"));
        click(w, "Picture2(1)"); // still takes clicks during the banner
        QCOMPARE(shownSuit(w, "Picture2(1)"), 3);
        b.advance(1900);
        checkIdle(w);
        QCOMPARE(b.game.Credit, 19);
        delete w;
    }

    // The mode label switches only while BET is enabled; BET refuses without credit.
    void modeLabelAndBet()
    {
        Bench b;
        b.game.Credit = 1;
        scriptDeal(b.random,
                   {card('H', 1), card('H', 2), card('H', 3), card('C', 4), card('C', 5)});
        auto *w = b.open<Card>();
        click(w, "Label3");
        QCOMPARE(text(w, "Label3"), QString("順 列（×１０）"));
        click(w, "Label3");
        QCOMPARE(text(w, "Label3"), QString("組合せ（×３）"));
        click(w, "Command3");
        click(w, "Command3"); // no credit left: ignored
        QCOMPARE(text(w, "Label5"), QString("1"));
        QCOMPARE(b.game.Credit, 0);
        click(w, "Label3");
        QCOMPARE(text(w, "Label3"), QString("順 列（×１０）"));
        click(w, "Command1");
        click(w, "Label3"); // during the play: ignored, the order mode still pays
        QCOMPARE(text(w, "Label3"), QString("順 列（×１０）"));
        b.advance(2200);
        QCOMPARE(text(w, "Label16"), QString("50"));
        b.advance(1900);
        checkIdle(w);
        QCOMPARE(b.game.Credit, 50);
        delete w;
    }

    // Closing during a pause finishes the play unseen: the rest of the cards are turned and
    // matched, the win is paid and saved, then the window goes and the menu is back.
    void closingDuringAPause_data()
    {
        QTest::addColumn<bool>("order");
        QTest::addColumn<int>("closeAt");
        QTest::addColumn<int>("credit");
        QTest::newRow("between cards, won later") << false << 500 << 15;
        QTest::newRow("between cards, lost later") << true << 2500 << 9;
        QTest::newRow("during the win banner") << false << 4000 << 15;
        QTest::newRow("during the lost banner") << true << 6000 << 9;
    }
    void closingDuringAPause()
    {
        QFETCH(bool, order);
        QFETCH(int, closeAt);
        QFETCH(int, credit);
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random,
                   {card('S', 5), card('C', 7), card('H', 1), card('H', 10), card('D', 13)});
        b.menu.hide();
        QPointer<Card> w = b.open<Card>();
        choose(w, {1, 1, 4});
        click(w, "Command3");
        if (order) click(w, "Label3");
        click(w, "Command1");
        b.advance(closeAt);
        QVERIFY(b.fileText().isEmpty());
        w->close();
        QCOMPARE(b.game.Credit, credit);
        QCOMPARE(b.fileText(), savedBalance(credit));
        QVERIFY(b.menu.isVisible());
        QVERIFY(w && !w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(b.clock.idle());
        b.advance(10000); // nothing of the play runs later
        QCOMPARE(b.game.Credit, credit);
    }

    void sizableWindowKeepsItsWidgetsInPlace()
    {
        Bench b;
        auto *w = b.open<Card>();
        QCOMPARE(w->windowTitle(), QString("Mark"));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(w->minimumSize() != w->maximumSize());
        const QRect start = widget(w, "Command1")->geometry(),
                    leave = widget(w, "Command2")->geometry();
        w->resize(w->size() * 2);
        QCOMPARE(widget(w, "Command1")->geometry(), start);
        QCOMPARE(widget(w, "Command2")->geometry(), leave);
        delete w;
    }
};

ARCADE_TEST_MAIN(MarkWindow)
#include "tst_mark.moc"
