// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every game window shares: stake and pay, the CREDIT and WIN boxes, the return to the
// menu, and a play finished at once when its window is closed.
#include "testing.h"

#include "ui/placement.h"

#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <memory>
#include <vector>

namespace {

// A small game on the frame: BET stakes one credit, START runs a play that pays three times the
// stake after a second, then shows its result for half a second.
class Toy : public GameWindow
{
public:
    Toy(Context &c, QWidget *opener) : GameWindow(c, {"Toy", "Toy", 4000, 2000, "icons/Slot"}, opener)
    {
        QLabel *win = winBox("Label6", {100, 100, 495, 255}, "Label3", {700, 100, 735, 375});
        QLabel *credit = creditBox("Label4", {100, 600, 975, 255}, "Label5", {1200, 600, 855, 375});
        auto leaveButton = button("Command3", {100, 1200, 1095, 495}, "PLAY OUT");
        ui::onClick(button("Command2", {1300, 1200, 735, 375}, "BET"), [this] {
            if (stake()) ++bets;
        });
        ui::onClick(button("Command1", {2200, 1200, 735, 375}, "START"), [this] { play(run()); });
        setFrameWidgets(credit, win, leaveButton);
    }
    ui::Play run()
    {
        ++runs;
        co_await pause(1.0);
        pay(std::int64_t(bets) * 3);
        bets = 0;
        co_await pause(0.5);
        ++finished;
    }
    int bets = 0, runs = 0, finished = 0;
    int leavingCalls = 0;

protected:
    void leaving() override { ++leavingCalls; }
};

} // namespace

class Frame : public QObject
{
    Q_OBJECT
private slots:
    // Frames that window managers give are used; a compositor's shadow reported as frame, or
    // nonsense, is not.
    void plausibleFrames_data()
    {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("none") << QMargins() << true;
        QTest::newRow("openbox") << QMargins(1, 21, 1, 5) << true;
        QTest::newRow("metacity") << QMargins(5, 37, 5, 5) << true;
        QTest::newRow("Qt's Wayland title bar") << QMargins(3, 30, 3, 3) << true;
        QTest::newRow("weston's shadow under XWayland") << QMargins(38, 59, 38, 38) << false;
        QTest::newRow("negative") << QMargins(-4, 20, 0, 0) << false;
        QTest::newRow("a title bar of 200 px") << QMargins(0, 200, 0, 0) << false;
    }
    void plausibleFrames()
    {
        QFETCH(QMargins, frame);
        QFETCH(bool, plausible);
        QCOMPARE(ui::plausibleFrame(frame), plausible);
    }

    void stakeTakesAtOnceAndRefusesWithoutCredit()
    {
        Bench b;
        b.game.Credit = 2;
        Toy *w = b.open<Toy>();
        QCOMPARE(text(w, "Label5"), "2");
        for (int i = 0; i < 3; ++i) click(w, "Command2");
        QCOMPARE(w->bets, 2);
        QCOMPARE(b.game.Credit, 0);
        QCOMPARE(text(w, "Label5"), "0");
        QCOMPARE(b.fileText(), QByteArray()); // a stake is saved with the next play
        delete w;
    }

    void aPlayPaysAtItsTimeAndSaves()
    {
        Bench b;
        b.game.Credit = 10;
        Toy *w = b.open<Toy>();
        click(w, "Command2");
        click(w, "Command1");
        click(w, "Command1"); // a second start while the play runs is ignored
        QCOMPARE(w->runs, 1);
        b.advance(999);
        QCOMPARE(text(w, "Label3"), "0");
        b.advance(1);
        QCOMPARE(text(w, "Label3"), "3");
        QCOMPARE(text(w, "Label5"), "12");
        QCOMPARE(b.fileText(), savedBalance(12));
        b.advance(500);
        QCOMPARE(w->finished, 1);
        delete w;
    }

    void payNeverWrapsAndStopsAtTheLimit()
    {
        Bench b;
        b.game.Credit = 2147483000;
        Toy *w = b.open<Toy>();
        w->bets = 1000; // as if staked
        click(w, "Command1");
        b.advance(1000);
        QCOMPARE(text(w, "Label3"), "3000");
        QCOMPARE(b.game.Credit, 2147483647);
        QCOMPARE(b.fileText(), savedBalance(2147483647));
        delete w;
    }

    // Another window may have changed the balance; the CREDIT box shows it again as soon as the
    // window is the active one.
    void activationShowsTheBalance()
    {
        Bench b;
        b.game.Credit = 5;
        Toy *w = b.open<Toy>();
        b.menu.show();
        b.menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.menu));
        b.game.Credit = 77;
        QCOMPARE(text(w, "Label5"), "5");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(text(w, "Label5"), "77");
        delete w;
    }

    void leaveButtonReturnsToTheMenuAndUnloads()
    {
        Bench b;
        b.game.Credit = 5;
        QPointer<Toy> w = b.open<Toy>();
        click(w, "Command2");
        click(w, "Command3");
        QVERIFY(b.menu.isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(w->leavingCalls, 1);
        flushDeletes();
        QVERIFY(w.isNull());
        QCOMPARE(b.game.Credit, 4); // the stake stays taken
        QCOMPARE(b.fileText(), QByteArray());
    }

    // Closed at any moment of a play, the window finishes the play unseen: paid, saved, gone.
    void closingMidPlayFinishesIt_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("finished"); // the play's own end reached before the close
        QTest::newRow("first pause") << 10 << 0;
        QTest::newRow("just before the pay") << 999 << 0;
        QTest::newRow("result pause") << 1200 << 0;
        QTest::newRow("after the play") << 2000 << 1;
    }
    void closingMidPlayFinishesIt()
    {
        QFETCH(int, at);
        Bench b;
        b.game.Credit = 10;
        QPointer<Toy> w = b.open<Toy>();
        click(w, "Command2");
        click(w, "Command2");
        click(w, "Command1");
        b.advance(at);
        w->close();
        QVERIFY(!w->busy());
        QCOMPARE(w->finished, 1);
        QCOMPARE(b.game.Credit, 14);
        QCOMPARE(b.fileText(), savedBalance(14));
        QVERIFY(b.menu.isVisible());
        flushDeletes();
        QVERIFY(w.isNull());
        QVERIFY(b.clock.idle()); // nothing left behind on the clock
        b.advance(5000);
    }

    void destroyedMidPlayLeavesNothingBehind()
    {
        Bench b;
        b.game.Credit = 10;
        Toy *w = b.open<Toy>();
        click(w, "Command1");
        b.advance(100);
        delete w; // the program ending with the window open
        QVERIFY(b.clock.idle());
        b.advance(5000);
        QCOMPARE(b.game.Credit, 10);
    }

    void windowIsCentredWithItsClientSize()
    {
        Bench b;
        Toy *w = b.open<Toy>();
        QCOMPARE(w->size(), QSize(ui::px(4000), ui::px(2000)));
        QCOMPARE(w->objectName(), "Toy");
        QCOMPARE(w->windowTitle(), "Toy");
        const QRect screen = w->screen()->geometry();
        const QRect outer = w->frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
        delete w;
    }

    // Until the window manager has framed a window, the window is placed with the frame last seen
    // around a window of its kind, fixed or sizable (a window manager may give a sizable one a
    // handle), and before any of its kind with the other kind's. The window-manager run runs this
    // case under openbox too, whose frames differ by kind.
    void placedWithTheFrameOfItsKind()
    {
        const auto frame = [](const QWidget &w) {
            const QRect outer = w.frameGeometry(), inner = w.geometry();
            return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
        };
        // Where the window's frame goes when it is centred with this frame.
        const auto centre = [](const QWidget &w, QMargins frame) {
            const QRect area = w.screen()->geometry();
            const QSize outer = w.size().grownBy(frame);
            return QPoint(area.x() + (area.width() - outer.width()) / 2,
                          area.y() + (area.height() - outer.height()) / 2);
        };
        // Opens a window of 400 x 300 pixels, fixed or sizable; true once it is framed. The
        // frame's corner went to placed before the window was shown.
        QPoint placed;
        const auto open = [&](QWidget &w, bool sizable) {
            if (sizable)
                w.resize(400, 300);
            else
                w.setFixedSize(400, 300);
            ui::centreWithFrame(&w);
            placed = w.pos();
            w.show();
            return QTest::qWaitFor([&] { return !frame(w).isNull(); }, 10000);
        };
        QMargins fixedFrame;
        {
            QWidget first; // a fixed window's frame is seen
            QVERIFY(open(first, false));
            fixedFrame = frame(first);
        }
        QWidget sizable;
        QVERIFY(open(sizable, true));
        QCOMPARE(placed, centre(sizable, fixedFrame));
        std::vector<std::unique_ptr<QWidget>> windows;
        for (const bool kind : {false, true, false}) {
            QWidget &w = *windows.emplace_back(std::make_unique<QWidget>());
            QVERIFY(open(w, kind));
            QCOMPARE(placed, centre(w, frame(w)));
        }
    }
};

ARCADE_TEST_MAIN(Frame)
#include "tst_frame.moc"
