// SPDX-License-Identifier: GPL-3.0-or-later
// The BINGO window on the virtual clock with scripted deals: betting, the timeline of a game,
// banners, frozen odds, the settlement and the file, and a window closed in the middle of a game.
#include "testing.h"

#include "games/bingo/bingo.h"

#include <QHash>
#include <QPointer>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

using Layout = std::array<std::array<int, 5>, 5>; // rows top to bottom; 0 at the free centre

// P: column c holds 6c+1 .. 6c+5 from the top (not on it: 6 12 15 18 24 30).
// Q: column c holds 6c+2 .. 6c+6 (not on it: 1 7 13 16 19 25).
// L: 1 7 19 25 across the centre row.
const Layout P{{{1, 7, 13, 19, 25},
                {2, 8, 14, 20, 26},
                {3, 9, 0, 21, 27},
                {4, 10, 16, 22, 28},
                {5, 11, 17, 23, 29}}};
const Layout Q{{{2, 8, 14, 20, 26},
                {3, 9, 15, 21, 27},
                {4, 10, 0, 22, 28},
                {5, 11, 17, 23, 29},
                {6, 12, 18, 24, 30}}};
const Layout L{{{2, 8, 14, 20, 26},
                {3, 9, 15, 21, 27},
                {1, 7, 0, 19, 25},
                {4, 10, 16, 22, 28},
                {5, 11, 17, 23, 29}}};

const Layout &layout(QChar c)
{
    return c == 'P' ? P : c == 'Q' ? Q : L;
}

// Queues the chance that makes a shuffle of a pool of 1..n put `wanted` first, in that order.
// A position of 0 in `wanted` takes any number not wanted later.
void scriptShuffle(ui::ScriptedRandom &random, int n, std::vector<int> wanted)
{
    std::vector<int> pool(n);
    std::iota(pool.begin(), pool.end(), 1);
    wanted.resize(n, 0);
    for (int i = 0; i < n; ++i) {
        auto it = std::find(pool.begin(), pool.end(), wanted[i]);
        if (wanted[i] == 0)
            it = std::find_if(pool.begin(), pool.end(), [&](int v) {
                return std::find(wanted.begin() + i, wanted.end(), v) == wanted.end();
            });
        const int r = int(it - pool.begin());
        random.pushPick(r, n - i);
        pool[r] = pool.back(); // the last entry not yet taken fills the gap
        pool.pop_back();
    }
}

// The chance of one deal: the twelve numbers of the game, then cards A to D ("PPQL").
void scriptDeal(ui::ScriptedRandom &random, const QList<int> &draws, const QString &cards)
{
    scriptShuffle(random, 30, std::vector<int>(draws.begin(), draws.end()));
    for (QChar card : cards)
        for (int c = 0; c < 5; ++c) {
            std::vector<int> column;
            for (int r = 0; r < 5; ++r)
                column.push_back(layout(card)[r][c] ? layout(card)[r][c] - 6 * c : 0);
            scriptShuffle(random, 6, column);
        }
}

int revealAt(int n)
{
    return 3100 + 4500 * n;
} // draw n (0-based) after START at 0
constexpr int SettlementAt = 54100;
constexpr int RedealAt = 56100;

void advanceTo(Bench &b, int ms)
{
    b.advance(ms - int(b.clock.now().count()));
}

bool shown(QWidget *w, const char *name)
{
    return !widget(w, name)->isHidden();
}

// The banners in view: "" none, else the names from front to back.
QString banners(QWidget *w)
{
    QStringList up;
    for (const char *n : {"Picture10", "Picture9", "Picture8", "Picture7"})
        if (shown(w, n)) up << n;
    return up.join(' ');
}

QColor back(QWidget *w, const QString &name)
{
    return widget<ui::Label>(w, name)->backColor();
}

// Bets per card, A to D.
void bet(QWidget *w, const QList<int> &bets)
{
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < bets.value(k); ++i)
            click(w, ui::indexed("Command2", k));
}

} // namespace

class BingoWindow : public QObject
{
    Q_OBJECT
private slots:
    void dealShowsFreshCardsAndDrawsNothingBeforeStart()
    {
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random, {5, 30, 13}, "PQLP");
        auto *w = b.open<Bingo>();
        QVERIFY(b.random.exhausted()); // the deal drew 30 numbers and made four cards
        QCOMPARE(w->windowTitle(), "BINGO");
        const QColor plain = w->palette().color(QPalette::Base);
        for (int k = 0; k < 4; ++k) {
            const QString card = QStringLiteral("Label%1").arg(k + 2);
            for (int i = 0; i < 25; ++i) {
                const QString cell = ui::indexed(card, i);
                const int n = layout("PQLP"[k])[i / 5][i % 5];
                QCOMPARE(text(w, cell), n ? QString::number(n) : "*");
                QCOMPARE(ui::tag(widget(w, cell)), n ? "0" : "1");
                QCOMPARE(back(w, cell), n ? plain : QColor(192, 192, 192));
            }
            QCOMPARE(text(w, ui::indexed(card, 25)), "B");
            QCOMPARE(back(w, ui::indexed(card, 29)), QColor(255, 0, 255));
            QCOMPARE(ui::tag(widget(w, ui::indexed(card, 29))), "0");
            QCOMPARE(text(w, ui::indexed("Label6", k)), "0");
            QCOMPARE(text(w, ui::indexed("Label8", k)), "0");
            QCOMPARE(text(w, ui::indexed("Label9", k)), "500");
        }
        QCOMPARE(ui::tag(widget(w, "Label1(0)")), "5"); // hidden until revealed
        QCOMPARE(ui::tag(widget(w, "Label1(1)")), "30");
        for (int i = 0; i < 12; ++i)
            QCOMPARE(text(w, ui::indexed("Label1", i)), "");
        QCOMPARE(text(w, "Label11"), "0");
        QCOMPARE(text(w, "Label13"), "10");
        QCOMPARE(banners(w), "");
        QVERIFY(!widget(w, "Command1")->isEnabled());
        QVERIFY(widget(w, "Command3")->isEnabled());
        b.advance(600'000);
        QVERIFY(b.clock.idle());
        QCOMPARE(text(w, "Label1(0)"), "");
        QCOMPARE(text(w, "Label15"), "");
        delete w;
    }

    void betsTakeOneCreditEach_data()
    {
        QTest::addColumn<int>("credit");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("bet");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("three on B") << 10 << 3 << 7 << "3" << true;
        QTest::newRow("more clicks than credit") << 2 << 5 << 0 << "2" << true;
        QTest::newRow("no credit") << 0 << 1 << 0 << "0" << false;
    }
    void betsTakeOneCreditEach()
    {
        QFETCH(int, credit);
        QFETCH(int, clicks);
        Bench b;
        b.game.Credit = credit;
        auto *w = b.open<Bingo>();
        for (int i = 0; i < clicks; ++i)
            click(w, "Command2(1)");
        QTEST(int(b.game.Credit), "left");
        QCOMPARE(text(w, "Label13"), QString::number(b.game.Credit));
        QTEST(text(w, "Label6(1)"), "bet");
        QCOMPARE(text(w, "Label6(0)"), "0");
        QTEST(widget(w, "Command1")->isEnabled(), "startEnabled");
        QCOMPARE(widget(w, "Command3")->isEnabled(), !widget(w, "Command1")->isEnabled());
        QCOMPARE(b.fileText(), ""); // a bet is saved at the settlement
        delete w;
    }

    // The ball runs 30 frames of 100 ms, the reveal follows, then 1500 ms of pause: each ball
    // 4500 ms after the last. The settlement comes 1500 ms after the twelfth, the redeal 2000
    // later.
    void oneGameRunsOnItsTimeline()
    {
        Bench b;
        b.game.Credit = 10;
        const QList<int> draws{1, 7, 13, 19, 25, 6, 12, 18, 24, 2, 9, 30};
        scriptDeal(b.random, draws, "PPQQ");
        auto *w = b.open<Bingo>();
        bet(w, {2, 0, 0, 1});
        click(w, "Command1");
        for (const char *name :
             {"Command1", "Command3", "Command2(0)", "Command2(1)", "Command2(2)", "Command2(3)"})
            QVERIFY2(!widget(w, name)->isEnabled(), name);
        QCOMPARE(w->cursor().shape(), Qt::WaitCursor);
        auto hostess = [&] { return widget<ui::Picture>(w, "Picture6")->picture().cacheKey(); };
        auto store = [&](const char *name) {
            return widget<ui::Picture>(w, name)->picture().cacheKey();
        };
        auto ball = [&] { return widget<ui::Shape>(w, "Shape1")->fillColor(); };
        QHash<QChar, QColor> columnColour{{'B', {255, 128, 0}},
                                          {'I', {0, 255, 255}},
                                          {'N', {128, 128, 255}},
                                          {'G', {0, 255, 0}},
                                          {'O', {255, 0, 255}}};

        // The first ball: frames at 100 .. 3000 ms.
        advanceTo(b, 99);
        QCOMPARE(text(w, "Label15"), "");
        advanceTo(b, 100);
        QCOMPARE(text(w, "Label15"), "1");
        QCOMPARE(ball(), QColor(255, 128, 0));
        QCOMPARE(hostess(), store("Image1"));
        advanceTo(b, 300);
        QCOMPARE(text(w, "Label15"), "13");
        QCOMPARE(ball(), QColor(128, 128, 255));
        QCOMPARE(hostess(), store("Image2")); // eyes closed
        advanceTo(b, 400);
        QCOMPARE(hostess(), store("Image1"));
        advanceTo(b, 3000);
        QCOMPARE(text(w, "Label15"), "30");
        QCOMPARE(ball(), QColor(255, 0, 255));
        QCOMPARE(hostess(), store("Image3")); // mouth open

        for (int n = 0; n < 12; ++n) {
            advanceTo(b, revealAt(n) - 1);
            QCOMPARE(text(w, ui::indexed("Label1", n)), "");
            advanceTo(b, revealAt(n));
            const QString number = QString::number(draws[n]);
            QCOMPARE(text(w, ui::indexed("Label1", n)), number);
            QCOMPARE(text(w, "Label15"), number);
            QCOMPARE(ball(), columnColour["BINGOBINGBIO"[n]]);
            if (n < 11) QCOMPARE(text(w, ui::indexed("Label1", n + 1)), "");
        }
        QCOMPARE(text(w, "Label11"), "0");
        QCOMPARE(b.fileText(), "");
        advanceTo(b, SettlementAt - 1);
        QCOMPARE(text(w, "Label11"), "0");
        QVERIFY(!shown(w, "Picture10"));
        advanceTo(b, SettlementAt);
        QCOMPARE(text(w, "Label11"), "502");
        QVERIFY(shown(w, "Picture10"));
        QCOMPARE(b.fileText(), savedBalance(509));
        QCOMPARE(w->cursor().shape(), Qt::WaitCursor);
        advanceTo(b, RedealAt - 1);
        QVERIFY(shown(w, "Picture10"));
        advanceTo(b, RedealAt);

        // Dealt anew: fresh cards, empty column, betting again, the timer stopped.
        QCOMPARE(banners(w), "");
        QCOMPARE(text(w, "Label1(0)"), "");
        QCOMPARE(text(w, "Label11"), "0");
        QCOMPARE(text(w, "Label13"), "509");
        QCOMPARE(text(w, "Label8(0)"), "0");
        QCOMPARE(text(w, "Label9(0)"), "500");
        QCOMPARE(ui::tag(widget(w, "Label9(0)")), "0");
        QCOMPARE(back(w, "Label2(0)"), w->palette().color(QPalette::Base));
        QCOMPARE(ui::tag(widget(w, "Label2(0)")), "0");
        QCOMPARE(back(w, "Label2(12)"), QColor(192, 192, 192));
        QCOMPARE(ball(), QColor(192, 192, 192));
        QVERIFY(!widget(w, "Command1")->isEnabled());
        QVERIFY(widget(w, "Command3")->isEnabled());
        QVERIFY(widget(w, "Command2(0)")->isEnabled());
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(b.clock.idle());
        delete w;
    }

    // Banners per reveal: '.' none, 'R' REACH, 'B' BINGO. Each stays up through the pause after
    // its reveal and is gone with the next tick.
    void bannersFollowReachAndLineRules_data()
    {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("seen");
        // C's centre row reaches on the 3rd draw; on the 4th A and B reach while C completes.
        QTest::newRow("BINGO hides REACH of an earlier card")
            << "PPLP" << QList<int>{1, 7, 19, 25, 6, 12, 18, 24, 30, 2, 3, 26} << "..RB........";
        QTest::newRow("REACH of a later card stays hidden under BINGO")
            << "LPPP" << QList<int>{1, 7, 19, 25, 6, 12, 18, 24, 30, 2, 3, 26} << "..RB........";
        // The top row reaches (4th) and completes (5th); column B then reaches alone (8th): no
        // banner, as the card has had one reach before; the fourth row joins it (11th): two.
        QTest::newRow("REACH only above the card's highest count")
            << "PPPP" << QList<int>{1, 7, 19, 25, 13, 2, 3, 4, 10, 16, 22, 30} << "...RB.....R.";
    }
    void bannersFollowReachAndLineRules()
    {
        QFETCH(QString, cards);
        QFETCH(QList<int>, draws);
        QFETCH(QString, seen);
        Bench b;
        b.game.Credit = 1;
        scriptDeal(b.random, draws, cards);
        auto *w = b.open<Bingo>();
        bet(w, {1});
        click(w, "Command1");
        for (int n = 0; n < 12; ++n) {
            const QString expected = seen[n] == 'R' ? "Picture8" : seen[n] == 'B' ? "Picture7" : "";
            advanceTo(b, revealAt(n));
            QVERIFY2(banners(w) == expected,
                     qPrintable(QString("draw %1: %2").arg(n + 1).arg(banners(w))));
            advanceTo(b, revealAt(n) + 1499);
            QCOMPARE(banners(w), expected);
            if (n == 11) break; // the twelfth draw's banners stay up behind the result
            advanceTo(b, revealAt(n) + 1500);
            QCOMPARE(banners(w), "");
        }
        advanceTo(b, SettlementAt);
        const QString last = seen[11] == 'R' ? " Picture8" : seen[11] == 'B' ? " Picture7" : "";
        QCOMPARE(banners(w), (b.game.Credit ? "Picture10" : "Picture9") + last);
        delete w;
    }

    void reachCountsAreKeptPerCard()
    {
        Bench b;
        b.game.Credit = 1;
        const QList<int> draws{1, 7, 19, 25, 13, 2, 3, 4, 10, 16, 22, 30};
        scriptDeal(b.random, draws, "PQPQ");
        auto *w = b.open<Bingo>();
        bet(w, {1});
        click(w, "Command1");
        advanceTo(b, revealAt(3));
        QCOMPARE(ui::tag(widget(w, "Label2(29)")), "1");
        QCOMPARE(ui::tag(widget(w, "Label3(29)")), "0");
        advanceTo(b, revealAt(10));
        QCOMPARE(ui::tag(widget(w, "Label2(29)")), "2");
        QCOMPARE(ui::tag(widget(w, "Label3(29)")), "1"); // Q: column B 2 3 4 5 reached on the 8th
        advanceTo(b, RedealAt);
        QCOMPARE(ui::tag(widget(w, "Label2(29)")), "0");
        delete w;
    }

    // The odds a card is paid at are those of the draw on which its first line completed, times
    // its bet and its lines at the end.
    void settlementPaysByTheFirstLine_data()
    {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QList<int>>("bets");
        QTest::addColumn<int>("credit");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("odds");
        QTest::addColumn<QString>("win");
        QTest::addColumn<QString>("banner");
        QTest::newRow("first line on the 6th, second on the 10th")
            << "PPQQ" << QList<int>{1, 7, 13, 19, 18, 25, 2, 3, 4, 5, 24, 30}
            << QList<int>{2, 0, 1, 0} << 10 << QStringList{"2", "2", "0", "0"}
            << QStringList{"120", "120", "2", "2"} << "480"
            << "Picture10";
        QTest::newRow("A on the 5th, D on the 12th")
            << "PPQQ" << QList<int>{1, 7, 13, 19, 25, 6, 12, 18, 24, 2, 9, 30}
            << QList<int>{2, 0, 0, 1} << 10 << QStringList{"1", "1", "1", "1"}
            << QStringList{"250", "250", "2", "2"} << "502"
            << "Picture10";
        QTest::newRow("no line anywhere")
            << "QQQQ" << QList<int>{1, 7, 13, 19, 25, 16, 2, 9, 22, 29, 12, 27}
            << QList<int>{3, 0, 0, 0} << 10 << QStringList{"0", "0", "0", "0"}
            << QStringList{"2", "2", "2", "2"} << "0"
            << "Picture9";
        // Not possible by the buttons (START needs a bet), but the settlement still saves.
        QTest::newRow("no bets at all")
            << "PPQQ" << QList<int>{1, 7, 13, 19, 25, 6, 12, 18, 24, 2, 9, 30}
            << QList<int>{0, 0, 0, 0} << 10 << QStringList{"1", "1", "1", "1"}
            << QStringList{"250", "250", "2", "2"} << "0"
            << "Picture9";
        // 500 x 30 x 3 passes what a 16-bit win could hold: paid in full.
        QTest::newRow("three lines, first on the 4th, past 32767")
            << "PQQQ" << QList<int>{3, 9, 21, 27, 13, 14, 16, 17, 1, 8, 22, 29}
            << QList<int>{30, 0, 0, 0} << 100 << QStringList{"3", "0", "0", "0"}
            << QStringList{"500", "2", "2", "2"} << "45000"
            << "Picture10";
    }
    void settlementPaysByTheFirstLine()
    {
        QFETCH(QString, cards);
        QFETCH(QList<int>, draws);
        QFETCH(QList<int>, bets);
        QFETCH(int, credit);
        QFETCH(QString, win);
        Bench b;
        b.game.Credit = credit;
        scriptDeal(b.random, draws, cards);
        auto *w = b.open<Bingo>();
        bet(w, bets);
        const int staked = std::accumulate(bets.begin(), bets.end(), 0);
        if (staked)
            click(w, "Command1");
        else
            w->Command1_Click();
        advanceTo(b, SettlementAt);
        QStringList lines, odds;
        for (int k = 0; k < 4; ++k) {
            lines << text(w, ui::indexed("Label8", k));
            odds << text(w, ui::indexed("Label9", k));
            QCOMPARE(text(w, ui::indexed("Label6", k)), QString::number(bets[k]));
        }
        QTEST(lines, "lines");
        QTEST(odds, "odds");
        QCOMPARE(text(w, "Label11"), win);
        QTEST(banners(w).section(' ', 0, 0), "banner");
        const int left = credit - staked + win.toInt();
        QCOMPARE(int(b.game.Credit), left);
        QCOMPARE(text(w, "Label13"), QString::number(left));
        QCOMPARE(b.fileText(), savedBalance(left));
        delete w;
    }

    // The odds of a card with a line stand still while the others fall with each draw.
    void oddsFreezeOnTheFirstLine()
    {
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random, {1, 7, 13, 19, 18, 25, 2, 3, 4, 5, 24, 30}, "PQPQ");
        auto *w = b.open<Bingo>();
        bet(w, {1, 1});
        click(w, "Command1");
        const QStringList expected[12] = {{"500", "500"}, {"500", "500"}, {"500", "500"},
                                          {"500", "500"}, {"250", "250"}, {"120", "120"},
                                          {"120", "60"},  {"120", "30"},  {"120", "16"},
                                          {"120", "8"},   {"120", "4"},   {"120", "2"}};
        for (int n = 0; n < 12; ++n) {
            advanceTo(b, revealAt(n) - 3000); // the first frame of ball n shows its odds
            QCOMPARE((QStringList{text(w, "Label9(0)"), text(w, "Label9(1)")}), expected[n]);
            advanceTo(b, revealAt(n));
            QCOMPARE(ui::tag(widget(w, "Label9(0)")), n < 5 ? "0" : "120");
            QCOMPARE(ui::tag(widget(w, "Label9(1)")), "0");
        }
        QCOMPARE(text(w, "Label8(0)"), "2");
        delete w;
    }

    // Closing the window in the middle of a game plays the rest unseen: the draws, the
    // settlement, the payout and the save, then the window unloads. Closed before START, the
    // bets stay taken and nothing is saved.
    void closingFinishesTheGame_data()
    {
        QTest::addColumn<int>("closeAt"); // ms after START; -1: before START
        QTest::addColumn<int>("credit");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("before START") << -1 << 7 << QByteArray();
        QTest::newRow("at START") << 0 << 509 << savedBalance(509);
        QTest::newRow("during the first ball") << 1500 << 509 << savedBalance(509);
        QTest::newRow("after a reveal") << revealAt(4) << 509 << savedBalance(509);
        QTest::newRow("before the last reveal") << revealAt(11) - 1 << 509 << savedBalance(509);
        QTest::newRow("during the result") << SettlementAt + 1000 << 509 << savedBalance(509);
    }
    void closingFinishesTheGame()
    {
        QFETCH(int, closeAt);
        Bench b;
        b.game.Credit = 10;
        scriptDeal(b.random, {1, 7, 13, 19, 25, 6, 12, 18, 24, 2, 9, 30}, "PPQQ");
        QPointer<Bingo> w = b.open<Bingo>();
        b.menu.hide();
        bet(w, {2, 0, 0, 1});
        if (closeAt >= 0) {
            click(w, "Command1");
            advanceTo(b, closeAt);
        }
        w->close();
        QTEST(int(b.game.Credit), "credit");
        QTEST(b.fileText(), "file");
        QVERIFY(b.menu.isVisible());
        QVERIFY(b.clock.idle());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void playOutLeavesForTheMenu()
    {
        Bench b;
        b.game.Credit = 10;
        QPointer<Bingo> w = b.open<Bingo>();
        b.menu.hide();
        click(w, "Command3");
        QVERIFY(b.menu.isVisible());
        QCOMPARE(b.fileText(), "");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(BingoWindow)
#include "tst_bingo.moc"
