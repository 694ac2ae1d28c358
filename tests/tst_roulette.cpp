// SPDX-License-Identifier: GPL-3.0-or-later
// The Roulette window: stakes, the run on the virtual clock with a forced stop lamp, the
// payout, the saved balance and the buttons before, during and after a run.
#include "testing.h"

#include "games/roulette/roter.h"
#include "ui/widgets.h"

#include <QPointer>

#include <array>

using Stakes = std::array<int, 4>; // presses of "2", "4", "6", "10"
Q_DECLARE_METATYPE(Stakes)

namespace {

const QColor Lit(255, 255, 0);
const QColor Dark(0, 0, 0);

void stakeAll(Roter *w, const Stakes &presses)
{
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < presses[k]; ++i)
            click(w, QStringLiteral("Command%1").arg(2 + k));
}

// Which buttons are enabled: START, the stake buttons of 2, 4, 6, 10, PLAY OUT.
QString buttons(Roter *w)
{
    QString s;
    for (int c : {1, 2, 3, 4, 5, 6})
        s +=
            widget<QAbstractButton>(w, QStringLiteral("Command%1").arg(c))->isEnabled() ? '1' : '0';
    return s;
}

// The lit lamps, as a list of indexes.
QList<int> litLamps(Roter *w)
{
    QList<int> lit;
    for (int i = 0; i < 14; ++i) {
        const QColor c = widget<ui::Shape>(w, ui::indexed("Shape1", i))->fillColor();
        if (c == Lit)
            lit << i;
        else if (c != Dark)
            lit << -1; // neither lit nor dark
    }
    return lit;
}

QString stakeBoxes(Roter *w)
{
    QStringList s;
    for (int k = 2; k <= 5; ++k)
        s << text(w, QStringLiteral("Label%1").arg(k));
    return s.join(' ');
}

} // namespace

class RouletteWindow : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect"); // twips
        QTest::addColumn<QString>("caption");
        QTest::newRow("wheel panel") << "Picture1" << QRect(0, 0, 4455, 4335) << "";
        QTest::newRow("lamp 3") << "Shape1(3)" << QRect(3420, 1580, 375, 375) << "";
        QTest::newRow("lamp 10") << "Shape1(10)" << QRect(660, 2260, 375, 375) << "";
        QTest::newRow("number 6") << "Label1(6)" << QRect(2880, 3600, 375, 375) << "10";
        QTest::newRow("number 13") << "Label1(13)" << QRect(1200, 240, 375, 375) << "2";
        QTest::newRow("stake box 2") << "Label2" << QRect(240, 4560, 615, 255) << "0";
        QTest::newRow("stake box 10") << "Label5" << QRect(3480, 4560, 615, 255) << "0";
        QTest::newRow("button 6") << "Command4" << QRect(2280, 4920, 855, 495) << "6";
        QTest::newRow("PLAY OUT") << "Command6" << QRect(4680, 240, 1095, 495) << "PLAY OUT";
        QTest::newRow("START") << "Command1" << QRect(4680, 1800, 1095, 735) << "START";
        QTest::newRow("WIN box") << "Label8" << QRect(4920, 4080, 735, 375) << "0";
        QTest::newRow("CREDIT box") << "Label7" << QRect(4800, 5040, 855, 375) << "7";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        Bench b;
        b.game.Credit = 7;
        auto *w = b.open<Roter>();
        QCOMPARE(w->windowTitle(), "Roulette");
        QCOMPARE(w->size(), ui::pxSize(5970, 5640));
        QCOMPARE(widget(w, name)->geometry(),
                 ui::px(ui::Rect{rect.x(), rect.y(), rect.width(), rect.height()}));
        if (!caption.isEmpty()) QCOMPARE(text(w, name), caption);
        QCOMPARE(buttons(w), "011111");
        QCOMPARE(litLamps(w), QList<int>{0});
        delete w;
    }

    void stakeBoxesShowWhatAStopWouldPay()
    {
        Bench b;
        b.game.Credit = 4;
        auto *w = b.open<Roter>();
        QStringList shown;
        for (int i = 0; i < 3; ++i) {
            click(w, "Command4");
            shown << text(w, "Label4");
        }
        QCOMPARE(shown, (QStringList{"6", "12", "18"}));
        QCOMPARE(text(w, "Label7"), "1");
        QCOMPARE(buttons(w), "111110");
        click(w, "Command5");
        click(w, "Command2"); // no credit left: nothing happens
        QCOMPARE(stakeBoxes(w), "0 0 18 10");
        QCOMPARE(b.game.Credit, 0);
        delete w;
    }

    void run_data()
    {
        QTest::addColumn<Stakes>("stakes");
        QTest::addColumn<int>("stopLamp");
        QTest::addColumn<QString>("win");
        QTest::addColumn<int>("paid");
        QTest::newRow("five on 2, one on 10, stop on 10") << Stakes{5, 0, 0, 1} << 6 << "10" << 10;
        QTest::newRow("three on 4, stop on 0") << Stakes{0, 3, 0, 0} << 7 << "0" << 0;
        QTest::newRow("stop on lamp 0 after seven turns") << Stakes{1, 1, 1, 1} << 0 << "0" << 0;
        QTest::newRow("two on 6, stop on 6") << Stakes{0, 0, 2, 0} << 10 << "12" << 12;
        QTest::newRow("one on 2, stop on 4") << Stakes{1, 0, 0, 0} << 3 << "0" << 0;
        QTest::newRow("all on 2, last lamp") << Stakes{4, 0, 0, 0} << 13 << "8" << 8;
    }
    void run()
    {
        QFETCH(Stakes, stakes);
        QFETCH(int, stopLamp);
        QFETCH(QString, win);
        QFETCH(int, paid);
        Bench b;
        b.game.Credit = 20;
        auto *w = b.open<Roter>();
        stakeAll(w, stakes);
        const int staked = stakes[0] + stakes[1] + stakes[2] + stakes[3];
        b.random.pushPick(stopLamp, 14);
        click(w, "Command1");

        QCOMPARE(b.random.reseeds, 1);
        QVERIFY(b.random.exhausted());
        QCOMPARE(buttons(w), "000000");
        QCOMPARE(w->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(litLamps(w), QList<int>{1}); // the first step, taken at once
        b.advance(40);
        QCOMPARE(litLamps(w), QList<int>{2});

        const int duration = (stopLamp + 82) * 40 + 2500;
        b.advance(duration - 40 - 1); // the last pause still runs
        QCOMPARE(litLamps(w), QList<int>{stopLamp});
        QCOMPARE(buttons(w), "000000");
        QCOMPARE(b.fileText(), QByteArray());
        QVERIFY(stakeBoxes(w) != "0 0 0 0");

        b.advance(1);
        QCOMPARE(text(w, "Label8"), win);
        QCOMPARE(b.game.Credit, 20 - staked + paid);
        QCOMPARE(text(w, "Label7"), QString::number(20 - staked + paid));
        QCOMPARE(b.fileText(), savedBalance(20 - staked + paid));
        QCOMPARE(stakeBoxes(w), "0 0 0 0");
        QCOMPARE(litLamps(w), QList<int>{stopLamp}); // stays lit until the next run
        QCOMPARE(buttons(w), "011111");
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(b.clock.idle());

        // The next run starts from fresh stakes and from lamp 0.
        click(w, "Command3");
        QCOMPARE(stakeBoxes(w), "0 4 0 0");
        b.random.pushPick(3, 14);
        click(w, "Command1");
        QCOMPARE(litLamps(w), QList<int>{1});
        b.clock.runUntilIdle();
        QCOMPARE(text(w, "Label8"), "4");
        delete w;
    }

    // Stakes beyond 16 bits: 3277 presses of "10" stake 3277 credits and pay 32770.
    void wideStakesPayInFull()
    {
        Bench b;
        b.game.Credit = 4000;
        auto *w = b.open<Roter>();
        for (int i = 0; i < 3277; ++i)
            w->stakeOn(10);
        QCOMPARE(text(w, "Label5"), "32770");
        b.random.pushPick(6, 14);
        click(w, "Command1");
        b.clock.runUntilIdle();
        QCOMPARE(text(w, "Label8"), "32770");
        QCOMPARE(b.game.Credit, 4000 - 3277 + 32770);
        delete w;
    }

    // A stop on 0 pays nothing and leaves the WIN box as it was, even showing an earlier win.
    void stopOnZeroLeavesTheWinBox()
    {
        Bench b;
        b.game.Credit = 5;
        auto *w = b.open<Roter>();
        stakeAll(w, {1, 0, 0, 0});
        b.random.pushPick(2, 14);
        click(w, "Command1");
        b.clock.runUntilIdle();
        QCOMPARE(text(w, "Label8"), "2");
        b.random.pushPick(7, 14);
        w->Command1_Click(); // the handler itself, with nothing staked
        b.clock.runUntilIdle();
        QCOMPARE(text(w, "Label8"), "2");
        QCOMPARE(text(w, "Label7"), "6");
        QCOMPARE(litLamps(w), QList<int>{7});
        delete w;
    }

    // Closing the window in the middle of a run finishes it unseen: paid, saved, back at the menu.
    void closingMidRunPaysAndSaves()
    {
        Bench b;
        b.game.Credit = 10;
        b.menu.hide();
        QPointer<Roter> w = b.open<Roter>();
        stakeAll(w, {5, 0, 0, 1});
        b.random.pushPick(6, 14);
        click(w, "Command1");
        b.advance(2000);
        w->close();
        QCOMPARE(b.game.Credit, 14);
        QCOMPARE(b.fileText(), savedBalance(14));
        QVERIFY(b.menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(b.clock.idle());
    }
};

ARCADE_TEST_MAIN(RouletteWindow)
#include "tst_roulette.moc"
