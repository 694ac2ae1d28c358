// SPDX-License-Identifier: GPL-3.0-or-later
// The Treasure Hunting window, played with scripted chance on the virtual clock.
#include "testing.h"

#include "games/treasure/takara.h"
#include "ui/widgets.h"

#include <QPointer>

#include <array>
#include <numeric>

namespace {

using Codes = std::array<int, 25>;

// Scripts the draw at START so that chest i is dealt codes[i] (1 to 11 gold, 12 to 25 empty),
// by replaying the draw's pool: at step i the pick is the slot that holds codes[i].
void deal(Bench &b, const Codes &codes)
{
    std::array<int, 25> pool;
    std::iota(pool.begin(), pool.end(), 1);
    for (int i = 0; i < 25; ++i) {
        const int left = 25 - i;
        const int r = int(std::find(pool.begin(), pool.begin() + left, codes[i]) - pool.begin());
        QVERIFY2(r < left, "codes must be a permutation of 1 to 25");
        b.random.pushPick(r, left);
        pool[r] = pool[left - 1];
    }
}

// Gold in chests 0 to 10, empty chests 11 to 24.
Codes inOrder()
{
    Codes c;
    std::iota(c.begin(), c.end(), 1);
    return c;
}

// A point of the window's background, clear of every widget and panel.
const QPoint Background(ui::px(4900), ui::px(3000));

void clickBackground(Takara *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, Background);
}

// Plays a script of words: bet, start, yes, no, ok, bg (the background), cN (chest N), and
// numbers (milliseconds to advance the clock).
void play(Bench &b, Takara *w, const QString &script)
{
    static const QMap<QString, QString> buttons{{"bet", "Command1"},
                                                {"start", "Command2"},
                                                {"yes", "Command4"},
                                                {"no", "Command5"},
                                                {"ok", "Command6"}};
    for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
        bool number = false;
        const int ms = word.toInt(&number);
        if (number)
            b.advance(ms);
        else if (buttons.contains(word))
            click(w, buttons[word]);
        else if (word == "bg")
            clickBackground(w);
        else if (word.startsWith('c'))
            click(w, ui::indexed("Image1", word.mid(1).toInt()));
        else
            qFatal("unknown step %s", qPrintable(word));
    }
}

// The controls a player can use now: buttons enabled and shown, and "chests" when all 25 are.
QString usable(Takara *w)
{
    QStringList names;
    for (int i = 1; i <= 6; ++i) {
        const auto *button = widget(w, QString("Command%1").arg(i));
        if (button->isEnabled() && button->isVisible()) names << button->objectName();
    }
    int chests = 0;
    for (int i = 0; i < 25; ++i)
        chests += widget(w, ui::indexed("Image1", i))->isEnabled();
    if (chests == 25)
        names << "chests";
    else if (chests > 0)
        names << QString("%1 chests").arg(chests);
    return names.join(' ');
}

bool shows(Takara *w, const QString &chest, const QString &store)
{
    return widget<ui::Picture>(w, chest)->picture().cacheKey() ==
           widget<ui::Picture>(w, store)->picture().cacheKey();
}

bool allClosed(Takara *w)
{
    for (int i = 0; i < 25; ++i)
        if (!shows(w, ui::indexed("Image1", i), "Image4")) return false;
    return true;
}

bool visible(Takara *w, const QString &name)
{
    return widget(w, name)->isVisible();
}
bool glass(Takara *w)
{
    return w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::BitmapCursor;
}

} // namespace

class Treasure : public QObject
{
    Q_OBJECT
private slots:
    void controlsFollowTheStateTable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("usable");
        QTest::newRow("idle after loading") << ""
                                            << "Command1 Command3";
        QTest::newRow("staked") << "bet"
                                << "Command1 Command2";
        QTest::newRow("stake raised") << "bet bet"
                                      << "Command1 Command2";
        QTest::newRow("hint") << "bet bg"
                              << "Command6";
        QTest::newRow("hint closed") << "bet bg ok"
                                     << "Command1 Command2";
        QTest::newRow("hunting") << "bet start"
                                 << "chests";
        QTest::newRow("found, pausing") << "bet start c0 499"
                                        << "";
        QTest::newRow("question") << "bet start c0 500"
                                  << "Command4 Command5";
        QTest::newRow("yes") << "bet start c0 500 yes"
                             << "chests";
        QTest::newRow("no") << "bet start c0 500 no"
                            << "Command1 Command3";
        QTest::newRow("lost, pausing") << "bet start c11 499"
                                       << "";
        QTest::newRow("lost, banner") << "bet start c11 1499"
                                      << "";
        QTest::newRow("idle after a loss") << "bet start c11 1500"
                                           << "Command1 Command3";
        QTest::newRow("staked after a loss") << "bet start c11 1500 bet"
                                             << "Command1 Command2";
    }
    void controlsFollowTheStateTable()
    {
        QFETCH(QString, script);
        QFETCH(QString, usable);
        Bench b;
        b.game.Credit = 10;
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        play(b, w, script);
        QCOMPARE(::usable(w), usable);
        delete w;
    }

    void stakeOfThreeFindAndNo()
    {
        Bench b;
        b.game.Credit = 10;
        b.writeFile(savedBalance(10));
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        play(b, w, "bet bet bet");
        QCOMPARE(text(w, "Label1"), "3");
        QCOMPARE(text(w, "Label5"), "7");
        play(b, w, "start c4");
        QVERIFY(shows(w, "Image1(4)", "Image2"));
        QCOMPARE(text(w, "Label3"), "6");
        QCOMPARE(text(w, "Label6"), "4");
        QVERIFY(!visible(w, "Picture2"));
        play(b, w, "499");
        QVERIFY(!visible(w, "Picture2"));
        play(b, w, "1");
        QVERIFY(visible(w, "Picture2"));
        play(b, w, "no");
        QCOMPARE(b.game.Credit, 13);
        QCOMPARE(text(w, "Label5"), "13");
        QCOMPARE(text(w, "Label3"), "0");
        QCOMPARE(text(w, "Label1"), "0");
        QVERIFY(!visible(w, "Picture2"));
        QVERIFY(allClosed(w));
        QCOMPARE(b.fileText(), savedBalance(13)); // a win taken is saved at once
        delete w;
    }

    void stakeOfOneTwoFindsThenEmpty()
    {
        Bench b;
        b.game.Credit = 10;
        b.writeFile(savedBalance(10));
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        play(b, w, "bet start c0 500 yes c1 500");
        QCOMPARE(text(w, "Label3"), "4");
        QCOMPARE(text(w, "Label6"), "8");
        play(b, w, "yes c20");
        QVERIFY(shows(w, "Image1(20)", "Image3"));
        play(b, w, "499");
        QVERIFY(!visible(w, "Picture1"));
        play(b, w, "1");
        QVERIFY(visible(w, "Picture1"));
        play(b, w, "999");
        QVERIFY(visible(w, "Picture1"));
        QCOMPARE(b.fileText(), savedBalance(10));
        play(b, w, "1");
        QVERIFY(!visible(w, "Picture1"));
        QCOMPARE(text(w, "Label1"), "0");
        QCOMPARE(text(w, "Label3"), "0");
        QCOMPARE(text(w, "Label5"), "9");
        QCOMPARE(b.game.Credit, 9);
        QCOMPARE(b.fileText(), savedBalance(9));
        QVERIFY(allClosed(w));
        QVERIFY(b.clock.idle());
        delete w;
    }

    void aNewHuntCountsItsFindsFromNone()
    {
        Bench b;
        b.game.Credit = 10;
        deal(b, inOrder());
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        play(b, w, "bet start c0 500 yes c1 500 no");
        QCOMPARE(b.game.Credit, 13);
        play(b, w, "bet start c5 500");
        QCOMPARE(text(w, "Label3"), "2"); // the first find of this hunt doubles the stake once
        QCOMPARE(text(w, "Label6"), "4");
        play(b, w, "no");
        QCOMPARE(b.game.Credit, 14);
        delete w;
    }

    void foundChestsDoNotRespondAfterYes()
    {
        Bench b;
        b.game.Credit = 10;
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        QVERIFY(!glass(w));
        play(b, w, "bet start");
        QVERIFY(glass(w));
        play(b, w, "c7");
        QVERIFY(!glass(w)); // the pointer returns to the default while the chest opens
        play(b, w, "500");
        QCOMPARE(ui::tag(widget(w, "Image1(7)")), "100");
        play(b, w, "yes");
        QVERIFY(glass(w));
        play(b, w, "c7");
        QVERIFY(glass(w));
        QCOMPARE(usable(w), "chests");
        QVERIFY(b.clock.idle()); // no play started
        play(b, w, "1000");
        QVERIFY(!visible(w, "Picture2"));
        QCOMPARE(text(w, "Label3"), "2");
        QVERIFY(shows(w, "Image1(7)", "Image2"));
        play(b, w, "c3 500"); // the hunt goes on from the first find
        QCOMPARE(text(w, "Label3"), "4");
        delete w;
    }

    void hintOnlyBetweenStakeAndStart_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("hint");
        QTest::newRow("idle") << ""
                              << "bg" << false;
        QTest::newRow("staked, background") << "bet"
                                            << "bg" << true;
        QTest::newRow("staked, disabled chest") << "bet"
                                                << "c12" << true;
        QTest::newRow("staked, bet box") << "bet"
                                         << "Label1" << false;
        QTest::newRow("hunting") << "bet start"
                                 << "bg" << false;
        QTest::newRow("question") << "bet start c0 500"
                                  << "bg" << false;
        QTest::newRow("after no") << "bet start c0 500 no"
                                  << "bg" << false;
        QTest::newRow("after a loss") << "bet start c11 1500"
                                      << "bg" << false;
    }
    void hintOnlyBetweenStakeAndStart()
    {
        QFETCH(QString, script);
        QFETCH(QString, where);
        QFETCH(bool, hint);
        Bench b;
        b.game.Credit = 10;
        deal(b, inOrder());
        auto *w = b.open<Takara>();
        play(b, w, script);
        const QString before = usable(w);
        if (where.startsWith("Label"))
            click(w, where);
        else
            play(b, w, where);
        QCOMPARE(visible(w, "Picture3"), hint);
        if (!hint) {
            QCOMPARE(usable(w), before);
        } else {
            QCOMPARE(usable(w), "Command6");
            play(b, w, "bg"); // the hint stays until Ｏ Ｋ
            QVERIFY(visible(w, "Picture3"));
            play(b, w, "ok");
            QVERIFY(!visible(w, "Picture3"));
            QCOMPARE(usable(w), "Command1 Command2");
        }
        delete w;
    }

    void elevenFindsReachTheTopOfTheLadder()
    {
        Bench b;
        b.game.Credit = 10;
        Codes reversed;
        for (int i = 0; i < 25; ++i)
            reversed[i] = 25 - i; // gold in chests 14 to 24
        deal(b, reversed);
        auto *w = b.open<Takara>();
        play(b, w, "bet bet bet start");
        for (int i = 0; i < 25; ++i)
            QCOMPARE(ui::tagNumber(widget(w, ui::indexed("Image1", i))), 25 - i);
        for (int n = 1; n <= 11; ++n) {
            play(b, w, QString("c%1 500").arg(25 - n));
            QCOMPARE(text(w, "Label3"), QString::number(3 << n));
            QCOMPARE(text(w, "Label6"), QString::number(2 << n));
            QVERIFY(visible(w, "Picture2"));
            if (n < 11) play(b, w, "yes");
        }
        QCOMPARE(text(w, "Label3"), "6144");
        QCOMPARE(text(w, "Label6"), "4096");
        play(b, w, "no");
        QCOMPARE(b.game.Credit, 10 - 3 + 6144);
        delete w;
    }

    void closingDuringAPause_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("credit");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("question");
        const QByteArray untouched = savedBalance(10);
        // A play under way runs to its end unseen; a hunt that waits for the player is left as it
        // stands, with its stake taken.
        QTest::newRow("staked") << "bet bet" << 8 << untouched << false;
        QTest::newRow("waiting for a chest") << "bet bet start" << 8 << untouched << false;
        QTest::newRow("pause after a find") << "bet bet start c0 200" << 8 << untouched << true;
        QTest::newRow("waiting for an answer") << "bet bet start c0 500" << 8 << untouched << true;
        QTest::newRow("pause after an empty chest")
            << "bet bet start c11 200" << 8 << savedBalance(8) << false;
        QTest::newRow("losing banner")
            << "bet bet start c0 500 yes c11 900" << 8 << savedBalance(8) << false;
        QTest::newRow("after no") << "bet bet start c0 500 no" << 12 << savedBalance(12) << false;
    }
    void closingDuringAPause()
    {
        QFETCH(QString, script);
        QFETCH(int, credit);
        QFETCH(QByteArray, file);
        QFETCH(bool, question);
        Bench b;
        b.game.Credit = 10;
        b.writeFile(savedBalance(10));
        deal(b, inOrder());
        QPointer<Takara> w = b.open<Takara>();
        b.menu.hide();
        play(b, w, script);
        const qint64 clock = b.clock.now().count();
        w->close();
        QCOMPARE(b.game.Credit, credit);
        QCOMPARE(b.fileText(), file);
        QVERIFY(b.menu.isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(widget(w, "Picture2")->isVisibleTo(w), question); // a find ends at the question
        QVERIFY(b.clock.idle());
        QCOMPARE(b.clock.now().count(), clock); // finished at once, not waited for
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(Treasure)
#include "tst_treasure.moc"
