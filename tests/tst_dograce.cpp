// SPDX-License-Identifier: GPL-3.0-or-later
// The Dog Race window: deal, bets, the paced race, payout, the type scores in the file, closing.
#include "testing.h"

#include "games/dograce/dango.h"

#include <QPointer>

#include <algorithm>

using Ints = QList<int>;

namespace {

// Scripts the lane draw so that lane i gets dog type types[i] (the draw writes type + 1).
void pushDeal(ui::ScriptedRandom &random, const std::array<int, 5> &types)
{
    std::array<int, 5> pool{1, 2, 3, 4, 5};
    for (int i = 0; i < 5; ++i) {
        const int left = 5 - i;
        const int r =
            int(std::find(pool.begin(), pool.begin() + left, types[i] + 1) - pool.begin());
        random.pushPick(r, left);
        pool[r] = pool[left - 1];
    }
}

// Race one: lanes 1 to 5 hold types 0, 4, 1, 2, 3 ("１－２" offers 6 + 5 = 11) and every later
// draw is 0. Each frame then moves the lanes in the order 1, 5, 4, 3, 2 by 10 twips, or by 40 on
// a type's fast stretch: type 4 (lane 2) reaches the goal in frame 492, type 0 (lane 1) in
// frame 496, the others far later.
constexpr std::array<int, 5> RaceOneTypes{0, 4, 1, 2, 3};
constexpr int RaceOneFrames = 496;

// Race two: types in lane order, every later draw 0.99999: the even runner (type 3, lane 4)
// arrives alone in frame 116; types 0, 2 and 4 all arrive in frame 131, where the lanes move in
// the order 5, 4, 3, 2, 1, so type 4 (lane 5) takes second place.
constexpr std::array<int, 5> RaceTwoTypes{0, 1, 2, 3, 4};
constexpr int RaceTwoFrames = 131;

int raceEnd(int frames)
{
    return int((Dango::StartPause + (frames - 1) * Dango::FrameInterval).count());
}
const int ResultPause = int(Dango::ResultPause.count());

QString key(int type, int score)
{
    return QStringLiteral("TYPE-%1=%2")
        .arg(type + 1)
        .arg(QString::fromLatin1(Game_C::numberText(score)));
}

bool fileHas(const Bench &b, const QString &line)
{
    return b.fileText().split('\n').contains(line.toLatin1());
}

QColor backColor(QObject *w, const QString &name)
{
    return widget<ui::Label>(w, name)->backColor();
}

bool enabled(QObject *w, const QString &name)
{
    return widget(w, name)->isEnabled();
}

void bet(QObject *w, int j, int times)
{
    for (int k = 0; k < times; ++k)
        click(w, ui::indexed("Command3", j));
}

} // namespace

class DogRace : public QObject
{
    Q_OBJECT
private slots:
    void dealShowsLanesAndOdds()
    {
        Bench b;
        b.game.Credit = 100;
        pushDeal(b.random, RaceOneTypes);
        auto *w = b.open<Dango>();
        // Factors with the default scores: types 0..4 give 6, 4, 2, 3, 5.
        const Ints odds{11, 10, 8, 9, 9, 7, 8, 6, 7, 5};
        for (int j = 0; j < 10; ++j) {
            QCOMPARE(text(w, ui::indexed("Label5", j)), QString::number(odds[j]));
            QCOMPARE(text(w, ui::indexed("Label6", j)), "0");
        }
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(ui::tag(widget(w, ui::indexed("Picture2", i))),
                     QString::number(RaceOneTypes[i]));
            QCOMPARE(text(w, ui::indexed("Label2", i)), QString::number(i + 1));
        }
        QVERIFY(widget(w, "Picture4")->isVisible());
        QVERIFY(!widget(w, "Picture3")->isVisible());
        QVERIFY(!enabled(w, "Command2"));
        QVERIFY(enabled(w, "Command1"));
        QCOMPARE(text(w, "Label13"), "100");

        bet(w, 3, 2);
        QCOMPARE(text(w, "Label6(3)"), "2");
        QCOMPARE(text(w, "Label13"), "98");
        QVERIFY(enabled(w, "Command2"));
        QVERIFY(!enabled(w, "Command1"));
        delete w;
    }

    // A race of 496 frames, each shown for one frame interval; the dogs move as it runs.
    void raceIsPacedFrameByFrame()
    {
        Bench b;
        b.game.Credit = 10;
        pushDeal(b.random, RaceOneTypes);
        auto *w = b.open<Dango>();
        bet(w, 0, 1);
        click(w, "Command2");
        QVERIFY(!widget(w, "Picture4")->isVisible());
        QVERIFY(!enabled(w, "Command2"));
        QCOMPARE(text(w, "Label2(0)"), "");
        const auto left = [&](int lane) { return widget(w, ui::indexed("Picture2", lane))->x(); };
        b.advance(int(Dango::StartPause.count()) - 1);
        QCOMPARE(left(2), ui::px(7680));
        b.advance(1); // frame 1: type 1 on its fast start, type 0 slow
        QCOMPARE(left(2), ui::px(7640));
        QCOMPARE(left(0), ui::px(7670));
        b.advance(int(Dango::FrameInterval.count())); // frame 2
        QCOMPARE(left(2), ui::px(7600));
        QCOMPARE(left(0), ui::px(7660));
        b.advance(raceEnd(RaceOneFrames) - 1 - int(b.clock.now().count()));
        QVERIFY(!widget(w, "Picture3")->isVisible());
        b.advance(1);
        QVERIFY(widget(w, "Picture3")->isVisible());
        QCOMPARE(left(1), ui::px(720));
        delete w;
    }

    void payout_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("bets");
        QTest::addColumn<int>("win");
        QTest::newRow("three on the winning pair at odds 11") << 0 << 3 << 33;
        QTest::newRow("no bet on the winning pair") << 4 << 2 << 0;
    }
    void payout()
    {
        QFETCH(int, pair);
        QFETCH(int, bets);
        QFETCH(int, win);
        Bench b;
        b.game.Credit = 100;
        pushDeal(b.random, RaceOneTypes);
        auto *w = b.open<Dango>();
        bet(w, pair, bets);
        click(w, "Command2");
        b.advance(raceEnd(RaceOneFrames));

        // Lane 2 first, lane 1 second: "1" left, "2" right, pair "１－２" marked.
        QCOMPARE(text(w, "Label3(0)"), "1");
        QCOMPARE(text(w, "Label3(1)"), "2");
        QCOMPARE(text(w, "Label2(1)"), "1");
        QCOMPARE(text(w, "Label2(0)"), "2");
        QCOMPARE(text(w, "Label2(2)"), "");
        QVERIFY(widget(w, "Picture4")->isVisible());
        QCOMPARE(backColor(w, "Label6(0)"), ui::rgb(255, 255, 0));
        QVERIFY(backColor(w, "Label6(1)") != ui::rgb(255, 255, 0));
        QCOMPARE(text(w, "Label16"), QString::number(win));
        const int credit = 100 - bets + win;
        QCOMPARE(text(w, "Label13"), QString::number(credit));
        QCOMPARE(b.game.Credit, credit);
        QVERIFY(b.fileText().endsWith(savedBalance(credit).mid(7)));
        QVERIFY(!enabled(w, "Command1"));

        b.advance(ResultPause - 1);
        QVERIFY(widget(w, "Picture3")->isVisible());
        b.advance(1); // the next set-up
        QVERIFY(!widget(w, "Picture3")->isVisible());
        QCOMPARE(text(w, "Label16"), "0");
        QCOMPARE(text(w, ui::indexed("Label6", pair)), "0");
        QVERIFY(backColor(w, "Label6(0)") != ui::rgb(255, 255, 0));
        QCOMPARE(text(w, "Label2(0)"), "1");
        QVERIFY(enabled(w, "Command1"));
        QVERIFY(!enabled(w, "Command2"));
        QCOMPARE(b.game.Credit, credit);
        delete w;
    }

    void scoresWrittenAfterRace()
    {
        Bench b;
        b.game.Credit = 100;
        pushDeal(b.random, RaceTwoTypes);
        b.random.fallback = 0.99999;
        auto *w = b.open<Dango>();
        bet(w, 9, 1); // "４－５" at 3 + 5
        QCOMPARE(text(w, "Label5(9)"), "8");
        click(w, "Command2");
        b.advance(raceEnd(RaceTwoFrames));
        QCOMPARE(text(w, "Label3(0)"), "4");
        QCOMPARE(text(w, "Label3(1)"), "5");
        QCOMPARE(b.fileText(),
                 "[MAIN]\nTYPE-1= 16\nTYPE-2= 23\nTYPE-3= 33\nTYPE-4= 27\nTYPE-5= 18\n" +
                     savedBalance(107).mid(7));
        // The next set-up reads them back: S = 117 keeps the factors 6, 4, 2, 3, 5.
        b.advance(ResultPause);
        QCOMPARE(b.game.Credit, 107);
        delete w;
    }

    void refusedBet_data()
    {
        QTest::addColumn<int>("credit");
        QTest::addColumn<bool>("inResultPause");
        QTest::newRow("no credit") << 0 << false;
        QTest::newRow("during the result pause") << 10 << true;
    }
    void refusedBet()
    {
        QFETCH(int, credit);
        QFETCH(bool, inResultPause);
        Bench b;
        b.game.Credit = credit;
        pushDeal(b.random, RaceOneTypes);
        auto *w = b.open<Dango>();
        int expected = credit;
        if (inResultPause) {
            bet(w, 0, 1);
            click(w, "Command2");
            b.advance(raceEnd(RaceOneFrames) + 100);
            expected = credit - 1 + 11;
            QVERIFY(widget(w, "Picture4")->isVisible());
        }
        const bool leaveEnabled = enabled(w, "Command1");
        bet(w, 2, 1);
        QCOMPARE(b.game.Credit, expected);
        QCOMPARE(text(w, "Label13"), QString::number(expected));
        QCOMPARE(text(w, "Label6(2)"), "0");
        QVERIFY(!enabled(w, "Command2"));
        QCOMPARE(enabled(w, "Command1"), leaveEnabled);
        b.advance(ResultPause);
        QCOMPARE(b.game.Credit, expected);
        QVERIFY(enabled(w, "Command1"));
        delete w;
    }

    // An edited file: a zero score counts as 1 for the odds, scores outside 16 bits are held
    // to them and written back so.
    void editedScores()
    {
        Bench b;
        b.game.Credit = 100;
        b.writeFile("[MAIN]\nTYPE-1=0\nTYPE-2=99999\nTYPE-3=-40000\n");
        pushDeal(b.random, RaceTwoTypes);
        auto *w = b.open<Dango>();
        // S = 0 + 32767 - 32768 + 26 + 17 = 42; factors 41, -1, 41, 0, 1.
        const Ints odds{40, 82, 41, 42, 40, 1, 1, 41, 42, 1};
        for (int j = 0; j < 10; ++j)
            QCOMPARE(text(w, ui::indexed("Label5", j)), QString::number(odds[j]));
        click(w, "Command1");
        QVERIFY(fileHas(b, key(0, 0)));
        QVERIFY(fileHas(b, key(1, 32767)));
        QVERIFY(fileHas(b, key(2, -32768)));
        QVERIFY(fileHas(b, key(4, 17)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Closing the window while a race runs finishes it unseen: it pays, saves, writes the
    // scores, and returns to the menu.
    void closing_data()
    {
        QTest::addColumn<int>("closeAt");
        QTest::newRow("in the start pause") << 100;
        QTest::newRow("mid race") << 5000;
        QTest::newRow("in the result pause") << raceEnd(RaceOneFrames) + 1000;
    }
    void closing()
    {
        QFETCH(int, closeAt);
        Bench b;
        b.game.Credit = 100;
        pushDeal(b.random, RaceOneTypes);
        QPointer<Dango> w = b.open<Dango>();
        b.menu.hide();
        bet(w, 0, 3);
        click(w, "Command2");
        b.advance(closeAt);
        w->close();
        QCOMPARE(b.game.Credit, 130);
        QVERIFY(b.fileText().contains(savedBalance(130).mid(7)));
        QVERIFY(fileHas(b, key(0, 17)));
        QVERIFY(fileHas(b, key(4, 18)));
        QVERIFY(fileHas(b, key(3, 26)));
        QVERIFY(b.menu.isVisible());
        QVERIFY(!w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(b.clock.idle());
    }

    // Leaving while staked keeps the debit; the scores are written either way.
    void closingWhileStaked()
    {
        Bench b;
        b.game.Credit = 5;
        QPointer<Dango> w = b.open<Dango>();
        bet(w, 1, 2);
        w->close();
        QCOMPARE(b.game.Credit, 3);
        QCOMPARE(b.fileText(),
                 "[MAIN]\nTYPE-1= 16\nTYPE-2= 23\nTYPE-3= 33\nTYPE-4= 26\nTYPE-5= 17\n");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(DogRace)
#include "tst_dograce.moc"
