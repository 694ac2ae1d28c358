// SPDX-License-Identifier: GPL-3.0-or-later
// The Slot Machine window: stakes, the spin on the virtual clock with forced start rows, the
// payout, the saved balance and the buttons before, during and after a spin.
#include "testing.h"

#include "games/slot/reels.h"
#include "games/slot/slot.h"

#include <QPointer>

#include <array>

using Rows = std::array<int, 3>;
Q_DECLARE_METATYPE(Rows)

namespace {

constexpr int SpinMs = slot::Frames * int(Slot::FrameInterval.count());

void bet(Slot *w, int times)
{
    for (int i = 0; i < times; ++i)
        click(w, "Command2");
}

void force(Bench &b, const Rows &start)
{
    for (int r : start)
        b.random.pushPick(r, 10);
}

// Which buttons are enabled: START, BET, PLAY OUT.
QString buttons(Slot *w)
{
    QString s;
    for (const char *name : {"Command1", "Command2", "Command3"})
        s += widget<QAbstractButton>(w, name)->isEnabled() ? '1' : '0';
    return s;
}

// The Top of reel k's strip in pixels.
int reelTop(Slot *w, int k)
{
    return widget(w, QStringLiteral("Image%1").arg(k + 1))->y();
}

} // namespace

class SlotWindow : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect"); // twips
        QTest::addColumn<QString>("caption");
        QTest::newRow("START") << "Command1" << QRect(3120, 360, 855, 495) << "START";
        QTest::newRow("reel window") << "Picture1" << QRect(840, 360, 1980, 525) << "";
        QTest::newRow("reel 3") << "Image3" << QRect(1320, 0, 480, 5280) << "";
        QTest::newRow("legend Germany") << "Image5(2)" << QRect(1200, 1560, 480, 480) << "";
        QTest::newRow("legend UK") << "Image7(0)" << QRect(240, 2520, 480, 480) << "";
        QTest::newRow("factor 200") << "Label1(0)" << QRect(1800, 1200, 615, 255) << "×２００";
        QTest::newRow("factor 5") << "Label1(3)" << QRect(1800, 2640, 615, 255) << "×５";
        QTest::newRow("WIN box") << "Label3" << QRect(3240, 1560, 735, 375) << "0";
        QTest::newRow("bet box") << "Label2" << QRect(2520, 2280, 615, 375) << "0";
        QTest::newRow("BET") << "Command2" << QRect(3240, 2280, 735, 375) << "BET";
        QTest::newRow("PLAY OUT") << "Command3" << QRect(240, 3120, 1095, 495) << "PLAY OUT";
        QTest::newRow("CREDIT box") << "Label5" << QRect(3120, 3120, 855, 375) << "7";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        Bench b;
        b.game.Credit = 7;
        auto *w = b.open<Slot>();
        QCOMPARE(w->windowTitle(), "Slot Machine");
        QCOMPARE(w->size(), ui::pxSize(4095, 3750));
        QCOMPARE(widget(w, name)->geometry(),
                 ui::px(ui::Rect{rect.x(), rect.y(), rect.width(), rect.height()}));
        if (!caption.isEmpty()) QCOMPARE(text(w, name), caption);
        QCOMPARE(buttons(w), "011");
        delete w;
    }

    void stakes()
    {
        Bench b;
        b.game.Credit = 2;
        auto *w = b.open<Slot>();
        bet(w, 1);
        QCOMPARE(text(w, "Label2"), "1");
        QCOMPARE(text(w, "Label5"), "1");
        QCOMPARE(buttons(w), "110");
        bet(w, 2); // the second of these finds no credit left
        QCOMPARE(text(w, "Label2"), "2");
        QCOMPARE(b.game.Credit, 0);
        QCOMPARE(text(w, "Label5"), "0");
        QCOMPARE(b.fileText(), QByteArray()); // a stake is saved with the next spin
        delete w;
    }

    void spin_data()
    {
        QTest::addColumn<int>("credit");
        QTest::addColumn<int>("bets");
        QTest::addColumn<Rows>("start");
        QTest::addColumn<Rows>("stop");
        QTest::addColumn<int>("payout");
        QTest::newRow("three USA") << 10 << 3 << Rows{0, 8, 7} << Rows{1, 4, 8} << 30;
        QTest::newRow("no win") << 10 << 1 << Rows{0, 0, 0} << Rows{1, 6, 1} << 0;
        QTest::newRow("three Germany") << 5 << 2 << Rows{2, 0, 5} << Rows{3, 6, 6} << 100;
        // Beyond a 16-bit payout: paid in full.
        QTest::newRow("164 on Japan") << 200 << 164 << Rows{9, 4, 9} << Rows{0, 0, 0} << 32800;
    }
    void spin()
    {
        QFETCH(int, credit);
        QFETCH(int, bets);
        QFETCH(Rows, start);
        QFETCH(Rows, stop);
        QFETCH(int, payout);
        Bench b;
        b.game.Credit = credit;
        auto *w = b.open<Slot>();
        bet(w, bets);
        force(b, start);
        click(w, "Command1");

        // The strips leave their resting places at once, and nothing can be pressed.
        QCOMPARE(b.random.reseeds, 1);
        QVERIFY(b.random.exhausted());
        for (int k = 0; k < 3; ++k)
            QCOMPARE(reelTop(w, k), ui::px(-(start[k] * 480 + 120)));
        QCOMPARE(buttons(w), "000");
        QCOMPARE(w->cursor().shape(), Qt::WaitCursor);

        b.advance(SpinMs - 1); // the last frame still stands
        QCOMPARE(buttons(w), "000");
        QCOMPARE(text(w, "Label3"), "0");
        QCOMPARE(text(w, "Label2"), QString::number(bets));
        QCOMPARE(b.fileText(), QByteArray());

        b.advance(1);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(reelTop(w, k), -32 * stop[k]);
        QCOMPARE(text(w, "Label3"), QString::number(payout));
        QCOMPARE(b.game.Credit, credit - bets + payout);
        QCOMPARE(text(w, "Label5"), QString::number(credit - bets + payout));
        QCOMPARE(text(w, "Label2"), "0");
        QCOMPARE(b.fileText(), savedBalance(credit - bets + payout));
        QCOMPARE(buttons(w), "011");
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);

        bet(w, 1); // a new stake starts the next spin from a bet of 1
        QCOMPARE(text(w, "Label2"), "1");
        QCOMPARE(text(w, "Label3"), "0");
        QCOMPARE(buttons(w), "110");
        delete w;
    }

    // The reels move every 4 ms but are drawn at most once a display frame: at every frame the
    // strips stand where the motion had brought them at most one display frame before (60 Hz:
    // at most four frames back), never ahead; the last frame is drawn where it stops, and the
    // spin still ends after 897 frames.
    void reelsAreDrawnOnceADisplayFrame()
    {
        Bench b;
        b.game.Credit = 1;
        auto *w = b.open<Slot>();
        QCOMPARE(w->displayRate(), 60.0);
        bet(w, 1);
        force(b, {3, 7, 5});
        click(w, "Command1");
        slot::Reels reels({3, 7, 5});
        std::vector<Rows> motion; // where the strips stand after each frame
        for (int i = 0; i < slot::Frames; ++i) {
            reels.frame(i);
            const auto &o = reels.ReelOffset();
            motion.push_back({ui::px(-o[0]), ui::px(-o[1]), ui::px(-o[2])});
        }
        int draws = 0;
        Rows before{};
        for (int i = 0; i < slot::Frames; ++i) {
            const Rows shown{reelTop(w, 0), reelTop(w, 1), reelTop(w, 2)};
            bool recent = false;
            for (int g = std::max(0, i - 4); g <= i; ++g)
                recent = recent || shown == motion[size_t(g)];
            QVERIFY2(recent, qPrintable(QString("frame %1").arg(i)));
            draws += i == 0 || shown != before;
            before = shown;
            QCOMPARE(text(w, "Label2"), "1");
            b.advance(int(Slot::FrameInterval.count()));
        }
        QCOMPARE(before, motion.back());
        QVERIFY2(draws <= SpinMs * 60 / 1000 + 2, qPrintable(QString::number(draws)));
        QVERIFY2(draws >= SpinMs * 60 / 1000 - 30, qPrintable(QString::number(draws)));
        QCOMPARE(text(w, "Label2"), "0");
        QVERIFY(b.clock.idle());
        delete w;
    }

    // Closing the window in the middle of a spin finishes it unseen: paid, saved, back at the menu.
    void closingMidSpinPaysAndSaves()
    {
        Bench b;
        b.game.Credit = 10;
        b.menu.hide();
        QPointer<Slot> w = b.open<Slot>();
        bet(w, 3);
        force(b, {0, 8, 7});
        click(w, "Command1");
        b.advance(1000);
        w->close();
        QCOMPARE(b.game.Credit, 37);
        QCOMPARE(b.fileText(), savedBalance(37));
        QVERIFY(b.menu.isVisible());
        QVERIFY(w.isNull() || !w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(b.clock.idle());
    }
};

ARCADE_TEST_MAIN(SlotWindow)
#include "tst_slot.moc"
