// SPDX-License-Identifier: GPL-3.0-or-later
// The Dice window: its layout, stakes, the throw on the virtual clock with forced dice, the
// payout, the saved balance, and a window closed in the middle of a throw.
#include "testing.h"

#include "games/dice/dice.h"

#include <QPointer>

namespace {

// The dice of a throw: fifty frames of other faces, then the result (faces 1 to 6).
void scriptThrow(Bench &b, int first, int second)
{
    for (int f = 0; f < dice::RollFrames - 1; ++f) {
        b.random.pushPick(f % 6, 6);
        b.random.pushPick((f + 2) % 6, 6);
    }
    b.random.pushPick(first - 1, 6);
    b.random.pushPick(second - 1, 6);
}

// Whether a die box shows the picture of face `face` (1 to 6).
bool shows(QWidget *w, const QString &die, int face)
{
    return widget<ui::Picture>(w, die)->picture().cacheKey() ==
           widget<ui::Picture>(w, ui::indexed("Image1", face - 1))->picture().cacheKey();
}

QStringList stakeWidgets()
{
    QStringList names;
    for (int i = 0; i < dice::Outcomes; ++i)
        names << ui::indexed("Image2", i);
    for (int k = 0; k < dice::Fields; ++k)
        names << ui::indexed("Command1", k);
    for (int j = 0; j < dice::Lines; ++j)
        names << ui::indexed("Command2", j);
    return names;
}

int enabledStakeWidgets(QWidget *w)
{
    int n = 0;
    for (const QString &name : stakeWidgets())
        n += widget(w, name)->isEnabled();
    return n;
}

QStringList stakeBoxTexts(QWidget *w)
{
    QStringList texts;
    for (int i = 0; i < dice::Outcomes; ++i)
        texts << text(w, ui::indexed("Label1", i));
    for (int k = 0; k < dice::Fields; ++k)
        texts << text(w, ui::indexed("Label3", k));
    for (int j = 0; j < dice::Lines; ++j)
        texts << text(w, ui::indexed("Label4", j));
    return texts;
}

const QStringList AllZero(dice::Outcomes + dice::Fields + dice::Lines, "0");

bool enabled(QWidget *w, const char *name)
{
    return widget(w, name)->isEnabled();
}
bool shown(QWidget *w, const char *name)
{
    return widget(w, name)->isVisible();
}

} // namespace

class DiceWindow : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("onBoard");
        auto row = [](const char *name, QRect r, const QString &caption, bool onBoard) {
            QTest::newRow(name) << name << r << caption << onBoard;
        };
        row("Picture1", {0, 0, 8655, 5415}, "", false);
        row("Shape12", {120, 120, 5415, 5175}, "", true);
        row("Shape1", {240, 240, 1455, 1575}, "", true);
        row("Shape6", {3600, 1920, 1455, 1575}, "", true);
        row("Shape7", {240, 3600, 1455, 1575}, "", true);
        row("Label2(0)", {1440, 960, 255, 255}, "A", true);
        row("Label2(5)", {4800, 2640, 255, 255}, "F", true);
        row("Label2(8)", {4800, 4320, 255, 255}, "I", true);
        row("Image2(0)", {360, 360, 540, 270}, "", true);
        row("Image2(18)", {360, 1440, 540, 270}, "", true);
        row("Label1(18)", {960, 1440, 255, 255}, "0", true);
        row("Image2(10)", {2040, 2400, 540, 270}, "", true);
        row("Image2(9)", {3720, 1440, 540, 270}, "", true);
        row("Image2(35)", {3720, 4800, 540, 270}, "", true);
        row("Label1(35)", {4320, 4800, 255, 255}, "0", true);
        row("Label7", {5160, 2520, 255, 495}, "×36", true);
        row("Shape10", {5640, 120, 2895, 1935}, "", true);
        row("Command1(0)", {5760, 240, 375, 375}, "A", true);
        row("Command1(2)", {5760, 1200, 375, 375}, "C", true);
        row("Command1(3)", {6720, 240, 375, 375}, "D", true);
        row("Command1(8)", {7680, 1200, 375, 375}, "I", true);
        row("Label3(3)", {7200, 360, 255, 255}, "0", true);
        row("Label3(8)", {8160, 1320, 255, 255}, "0", true);
        row("Label5", {6840, 1680, 375, 255}, "×9", true);
        row("Shape11", {5640, 2160, 2895, 1935}, "", true);
        row("Command2(0)", {5760, 2280, 855, 375}, "A+B+C", true);
        row("Command2(2)", {5760, 3240, 855, 375}, "G+H+I", true);
        row("Command2(4)", {7200, 2760, 855, 375}, "B+E+H", true);
        row("Label4(2)", {6720, 3360, 255, 255}, "0", true);
        row("Label4(4)", {8160, 2880, 255, 255}, "0", true);
        row("Label6", {6840, 3720, 375, 255}, "×3", true);
        row("Image3", {5880, 4440, 615, 615}, "", true);
        row("Image4", {6720, 4440, 615, 615}, "", true);
        row("Command3", {7560, 4560, 855, 375}, "START", true);
        row("Picture9", {3240, 2160, 2805, 630}, "", true);
        row("Picture10", {3240, 2160, 2805, 630}, "", true);
        row("Command4", {8760, 360, 1095, 495}, "PLAY OUT", false);
        row("Label10", {8760, 3000, 495, 255}, "WIN", false);
        row("Label8", {9120, 3360, 615, 375}, "0", false);
        row("Label9", {8760, 4440, 975, 255}, "CREDIT", false);
        row("Label11", {8880, 4800, 855, 375}, "0", false);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(bool, onBoard);
        Bench b;
        auto *w = b.open<Dice>();
        QWidget *x = widget(w, name);
        QCOMPARE(x->geometry(),
                 ui::px(ui::Rect{twips.x(), twips.y(), twips.width(), twips.height()}));
        QCOMPARE(text(w, name), caption);
        QCOMPARE(x->parentWidget()->objectName(), onBoard ? "Picture1" : "Dice");
        delete w;
    }

    void designState()
    {
        Bench b;
        b.game.Credit = 10;
        auto *w = b.open<Dice>();
        QCOMPARE(w->windowTitle(), "Dice");
        QCOMPARE(w->size(), ui::pxSize(9915, 5415));
        QCOMPARE(text(w, "Label11"), "10");
        QCOMPARE(stakeBoxTexts(w), AllZero);
        QCOMPARE(enabledStakeWidgets(w), 51);
        QVERIFY(!enabled(w, "Command3"));
        QVERIFY(enabled(w, "Command4"));
        QVERIFY(!shown(w, "Picture9"));
        QVERIFY(!shown(w, "Picture10"));
        QVERIFY(shows(w, "Image3", 1));
        QVERIFY(shows(w, "Image4", 1));
        QCOMPARE(widget<ui::Label>(w, "Label1(0)")->backColor(), QColor(Qt::white));
        // "×36" is wider than its label: the sign is drawn on a line above the number.
        widget(w, "Label7")->grab();
        QCOMPARE(widget<ui::Label>(w, "Label7")->drawn().text, "×\n36");
        for (int k = 0; k < dice::Faces; ++k) // the face pictures lie below the client area
            QVERIFY(widget(w, ui::indexed("Image1", k))->y() >= w->height());
        delete w;
    }

    void throwPaysAndSaves_data()
    {
        QTest::addColumn<QStringList>("stakes"); // widgets clicked, one credit each
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("paid");
        QTest::newRow("outcome (1,1) thrown") << QStringList{"Image2(0)"} << 1 << 1 << 36;
        QTest::newRow("outcome (1,1), (1,2) thrown") << QStringList{"Image2(0)"} << 1 << 2 << 0;
        QTest::newRow("field A, (4,1) thrown") << QStringList{"Command1(0)"} << 4 << 1 << 9;
        QTest::newRow("field A, (3,1) thrown") << QStringList{"Command1(0)"} << 3 << 1 << 0;
        QTest::newRow("lines A+B+C and A+D+G, (1,3) thrown")
            << QStringList{"Command2(0)", "Command2(3)"} << 1 << 3 << 6;
        QTest::newRow("lines A+B+C and A+D+G, (3,3) thrown")
            << QStringList{"Command2(0)", "Command2(3)"} << 3 << 3 << 3;
        QTest::newRow("outcome, field and lines, (4,1) thrown")
            << QStringList{"Image2(18)", "Command1(0)", "Command2(0)", "Command2(3)"} << 4 << 1
            << 51;
        QTest::newRow("two on outcome (6,6), (6,6) thrown")
            << QStringList{"Image2(35)", "Image2(35)"} << 6 << 6 << 72;
    }

    void throwPaysAndSaves()
    {
        QFETCH(QStringList, stakes);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, paid);
        Bench b;
        b.game.Credit = 10;
        auto *w = b.open<Dice>();
        for (const QString &name : stakes)
            click(w, name);
        const int left = 10 - int(stakes.size());
        QCOMPARE(b.game.Credit, left);
        QCOMPARE(text(w, "Label11"), QString::number(left));
        QVERIFY(stakeBoxTexts(w) != AllZero);
        QVERIFY(enabled(w, "Command3"));
        QVERIFY(!enabled(w, "Command4"));
        QCOMPARE(b.fileText(), QByteArray()); // a stake is saved with the throw

        scriptThrow(b, first, second);
        click(w, "Command3");
        QCOMPARE(b.random.reseeds, 1);
        QCOMPARE(enabledStakeWidgets(w), 0);
        QVERIFY(enabled(w, "Command3"));
        QVERIFY(!enabled(w, "Command4"));

        // 40 frames of 10 ms, 6 of 100 ms and 5 of 300 ms: the throw settles at 2.5 s.
        b.advance(2499);
        QCOMPARE(text(w, "Label8"), "0");
        QCOMPARE(b.game.Credit, left);
        QVERIFY(!shown(w, "Picture9") && !shown(w, "Picture10"));
        b.advance(1);
        QVERIFY(b.random.exhausted());
        QVERIFY(shows(w, "Image3", first));
        QVERIFY(shows(w, "Image4", second));
        QCOMPARE(text(w, "Label8"), QString::number(paid));
        QCOMPARE(b.game.Credit, left + paid);
        QCOMPARE(text(w, "Label11"), QString::number(left + paid));
        QCOMPARE(b.fileText(), savedBalance(left + paid)); // saved also when nothing is won
        QCOMPARE(shown(w, "Picture10"), paid > 0);
        QCOMPARE(shown(w, "Picture9"), paid == 0);
        QCOMPARE(enabledStakeWidgets(w), 0);

        // The banner stays up for one second; then every stake is cleared.
        b.advance(999);
        QVERIFY(shown(w, "Picture9") || shown(w, "Picture10"));
        QVERIFY(enabled(w, "Command3"));
        b.advance(1);
        QVERIFY(!shown(w, "Picture9") && !shown(w, "Picture10"));
        QCOMPARE(stakeBoxTexts(w), AllZero);
        QCOMPARE(enabledStakeWidgets(w), 51);
        QVERIFY(!enabled(w, "Command3"));
        QVERIFY(enabled(w, "Command4"));
        QCOMPARE(text(w, "Label8"), QString::number(paid)); // until the next stake
        QVERIFY(b.clock.idle());

        click(w, stakes.first());
        QCOMPARE(text(w, "Label8"), "0");
        QCOMPARE(text(w, widget(w, stakes.first())
                             ->objectName()
                             .replace("Image2", "Label1")
                             .replace("Command1", "Label3")
                             .replace("Command2", "Label4")),
                 "1"); // the cleared bet starts again from 0
        QCOMPARE(b.game.Credit, left + paid - 1);
        delete w;
    }

    // Frame f of the roll starts when the frames before it have passed. The slow frames (from
    // 400 ms on) are each drawn when they start; the fast ones at most once a display frame. The
    // draws taken tell how far the roll has gone, the dice shown which frame is on screen.
    void rollFramesKeepTheirLengths_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("shownFrame");
        const int table[][2] = {{0, 0},     {400, 40},  {499, 40},  {500, 41},
                                {999, 45},  {1000, 46}, {1299, 46}, {1300, 47},
                                {2199, 49}, {2200, 50}, {2500, 50}};
        for (const auto &r : table)
            QTest::addRow("%d ms", r[0]) << r[0] << r[1];
    }

    void rollFramesKeepTheirLengths()
    {
        QFETCH(int, at);
        QFETCH(int, shownFrame);
        Bench b;
        b.game.Credit = 1;
        auto *w = b.open<Dice>();
        click(w, "Command1(4)");
        scriptThrow(b, 3, 5);
        click(w, "Command3");
        b.advance(at);
        const int first = shownFrame == dice::RollFrames - 1 ? 3 : shownFrame % 6 + 1;
        const int second = shownFrame == dice::RollFrames - 1 ? 5 : (shownFrame + 2) % 6 + 1;
        QVERIFY(shows(w, "Image3", first));
        QVERIFY(shows(w, "Image4", second));
        delete w;
    }

    // The 40 frames of 10 ms are drawn at most once a display frame (60 Hz): the first at once,
    // then one each 16 to 20 ms; every frame still throws the dice.
    void fastFramesAreDrawnOnceADisplayFrame()
    {
        Bench b;
        b.game.Credit = 1;
        auto *w = b.open<Dice>();
        click(w, "Command1(4)");
        scriptThrow(b, 3, 5);
        const std::size_t script = b.random.left();
        click(w, "Command3");
        int draws = 0;
        for (int at = 0; at < 400; at += 10) {
            const int frame = at / 10;
            draws += shows(w, "Image3", frame % 6 + 1) && shows(w, "Image4", (frame + 2) % 6 + 1);
            b.advance(10);
        }
        QVERIFY2(draws >= 400 * 60 / 1000 - 1 && draws <= 400 * 60 / 1000 + 1,
                 qPrintable(QString::number(draws)));
        b.advance(2200 - 400);
        QCOMPARE(int(script - b.random.left()), 2 * dice::RollFrames);
        delete w;
    }

    void startDuringAThrowIsIgnored()
    {
        Bench b;
        b.game.Credit = 10;
        auto *w = b.open<Dice>();
        click(w, "Image2(0)");
        scriptThrow(b, 1, 1);
        click(w, "Command3");
        b.advance(100);
        click(w, "Command3"); // still enabled while the dice roll
        w->Command3_Click();
        click(w, "Image2(0)"); // disabled
        w->Image2_Click(0);
        w->Command1_Click(0);
        w->Command2_Click(0);
        QCOMPARE(text(w, "Label1(0)"), "1");
        QCOMPARE(b.game.Credit, 9);
        b.advance(2600);
        click(w, "Command3"); // while the banner shows
        QCOMPARE(b.random.reseeds, 1);
        b.advance(1000);
        QVERIFY(b.clock.idle());
        QCOMPARE(b.game.Credit, 9 + 36);
        QCOMPARE(b.fileText(), savedBalance(45));
        click(w, "Command3"); // disabled again, no stake on the table
        w->Command3_Click();
        QVERIFY(b.clock.idle());
        QCOMPARE(b.random.reseeds, 1);
        delete w;
    }

    void stakeNeedsACredit()
    {
        Bench b;
        b.game.Credit = 1;
        auto *w = b.open<Dice>();
        click(w, "Image2(7)");
        for (const char *name : {"Image2(7)", "Command1(1)", "Command2(1)"})
            click(w, name);
        QCOMPARE(b.game.Credit, 0);
        QCOMPARE(text(w, "Label11"), "0");
        QCOMPARE(text(w, "Label1(7)"), "1");
        QCOMPARE(text(w, "Label3(1)"), "0");
        QCOMPARE(text(w, "Label4(1)"), "0");
        delete w;

        b.game.Credit = 0;
        w = b.open<Dice>();
        for (const char *name : {"Image2(7)", "Command1(1)", "Command2(1)"})
            click(w, name);
        QCOMPARE(stakeBoxTexts(w), AllZero);
        QVERIFY(!enabled(w, "Command3"));
        QVERIFY(enabled(w, "Command4"));
        delete w;
    }

    // Stakes and payouts are counted wide: a bet past 32767 neither wraps nor turns negative.
    void largeStakesDoNotWrap()
    {
        Bench b;
        b.game.Credit = 100000;
        auto *w = b.open<Dice>();
        for (int n = 0; n < 40000; ++n)
            w->Image2_Click(0);
        for (int n = 0; n < 33000; ++n)
            w->Command2_Click(0);
        QCOMPARE(text(w, "Label1(0)"), "40000");
        QCOMPARE(text(w, "Label4(0)"), "33000");
        QCOMPARE(b.game.Credit, 27000);
        scriptThrow(b, 1, 1);
        click(w, "Command3");
        b.advance(2500);
        QCOMPARE(text(w, "Label8"), "1539000"); // 36 x 40000 + 3 x 33000
        QCOMPARE(b.game.Credit, 27000 + 1539000);
        QCOMPARE(b.fileText(), savedBalance(27000 + 1539000));
        b.advance(1000);
        delete w;
    }

    // Closing the window during a throw finishes it unseen: paid once, saved, then unloaded.
    void closingDuringAThrowFinishesIt_data()
    {
        QTest::addColumn<int>("at");
        for (int at : {0, 500, 2499, 2500, 3000, 3499})
            QTest::addRow("%d ms", at) << at;
    }

    void closingDuringAThrowFinishesIt()
    {
        QFETCH(int, at);
        Bench b;
        b.game.Credit = 10;
        b.menu.hide();
        QPointer<Dice> w = b.open<Dice>();
        for (const char *name : {"Image2(18)", "Command1(0)", "Command2(0)", "Command2(3)"})
            click(w, name);
        scriptThrow(b, 4, 1);
        click(w, "Command3");
        b.advance(at);
        w->close();
        QCOMPARE(b.game.Credit, 6 + 51);
        QCOMPARE(b.fileText(), savedBalance(57));
        QVERIFY(b.random.exhausted());
        QVERIFY(b.menu.isVisible());
        QVERIFY(b.clock.idle());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(DiceWindow)
#include "tst_dice.moc"
