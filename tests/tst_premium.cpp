// SPDX-License-Identifier: GPL-3.0-or-later
// The Premium window: pieces loaded from and saved to the settings file, the 50-credit purchase
// with its highlight and STOP on the virtual clock, the completion and CLEAR, and closing the
// window in the middle of a purchase.
#include "testing.h"

#include "games/premium/winner.h"
#include "ui/pictures.h"
#include "ui/widgets.h"

#include <QImage>
#include <QPointer>
#include <QSet>

namespace {

using Pieces = QSet<int>; // indices 0..15 of owned pieces

const Pieces All = [] {
    Pieces all;
    for (int k = 0; k < 16; ++k)
        all.insert(k);
    return all;
}();

// The keys as the file stores them, owned pieces at offset + 1.
QByteArray pieceLines(const Pieces &owned)
{
    static const std::pair<const char *, int> keys[16] = {
        {"TYPE-A", 1192}, {"TYPE-B", 1600}, {"TYPE-C", 794},  {"TYPE-D", 1919},
        {"TYPE-E", 1970}, {"TYPE-F", 5371}, {"TYPE-G", 255},  {"TYPE-H", 1092},
        {"TYPE-I", 2},    {"TYPE-J", 653},  {"TYPE-K", 58},   {"TYPE-L", 0},
        {"TYPE-M", 3351}, {"TYPE-N", 298},  {"TYPE-O", 8948}, {"TYPE-P", 1001}};
    QByteArray text;
    for (int k = 0; k < 16; ++k)
        text += QByteArray(keys[k].first) + "= " +
                QByteArray::number(keys[k].second + owned.contains(k)) + "\n";
    return text;
}

QSet<int> shown(QWidget *w, const char *array)
{
    QSet<int> set;
    for (int k = 0; k < 16; ++k)
        if (!widget(w, ui::indexed(array, k))->isHidden()) set.insert(k);
    return set;
}
Pieces shownPieces(QWidget *w)
{
    return shown(w, "Image2");
}
QSet<int> shownNumbers(QWidget *w)
{
    return shown(w, "Label1");
}

QColor numberColour(QWidget *w, int k)
{
    return widget<QLabel>(w, ui::indexed("Label1", k))->palette().color(QPalette::WindowText);
}

bool enabled(QWidget *w, const char *name)
{
    return widget(w, name)->isEnabled();
}
bool hidden(QWidget *w, const char *name)
{
    return widget(w, name)->isHidden();
}

bool showsBonus(QWidget *w)
{
    const QPixmap board = widget<ui::Picture>(w, "Picture1")->picture();
    return !board.isNull() && board.toImage() == ui::picture("premium/bonus").toImage();
}

// The window of a test; deleted at the end of the test if it is still there.
struct Window
{
    QPointer<Winner> w;
    explicit Window(Bench &b) : w(b.open<Winner>()) {}
    ~Window() { delete w.data(); }
    operator Winner *() const { return w; }
    Winner *operator->() const { return w; }
};

void leaveAndUnload(QWidget *w)
{
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The time after "50 BET" at which the highlight moves for the n-th time, and the number it
// then shows.
constexpr int turnAt(int n)
{
    return 80 * n;
}
constexpr int numberAfter(int n)
{
    return n % 16 + 1;
}

} // namespace

class Premium : public QObject
{
    Q_OBJECT
private slots:
    void loading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Pieces>("owned");
        QTest::newRow("no file") << QByteArray() << Pieces{};
        QTest::newRow("TYPE-C owned") << QByteArray("[MAIN]\nTYPE-C= 795\n") << Pieces{2};
        QTest::newRow("TYPE-L owned") << QByteArray("[MAIN]\nTYPE-L= 1\n") << Pieces{11};
        QTest::newRow("TYPE-L 2") << QByteArray("[MAIN]\nTYPE-L= 2\n") << Pieces{};
        QTest::newRow("TYPE-A 1194") << QByteArray("[MAIN]\nTYPE-A= 1194\n") << Pieces{};
        QTest::newRow("TYPE-L beyond 16 bits") << QByteArray("[MAIN]\nTYPE-L= 65537\n") << Pieces{};
        QTest::newRow("fifteen owned")
            << "[MAIN]\n" + pieceLines(All - Pieces{1}) << All - Pieces{1};
    }
    void loading()
    {
        QFETCH(QByteArray, file);
        QFETCH(Pieces, owned);
        Bench b;
        if (!file.isEmpty()) b.writeFile(file);
        Window w(b);
        QCOMPARE(shownPieces(w), owned);
        QCOMPARE(shownNumbers(w), All - owned);
        QVERIFY(!showsBonus(w));
        QVERIFY(enabled(w, "Command2"));
        QVERIFY(enabled(w, "Command1"));
        QVERIFY(!enabled(w, "Command3"));
        QVERIFY(hidden(w, "Command4"));
    }

    void openingComplete()
    {
        Bench b;
        b.writeFile("[MAIN]\n" + pieceLines(All));
        Window w(b);
        QVERIFY(showsBonus(w));
        QCOMPARE(shownPieces(w), Pieces{});
        QCOMPARE(shownNumbers(w), QSet<int>{});
        QVERIFY(!enabled(w, "Command2"));
        QVERIFY(!hidden(w, "Command4"));
        QCOMPARE(text(w, "Command4"), "CLEAR");
    }

    void buying_data()
    {
        QTest::addColumn<int>("credit");
        QTest::addColumn<bool>("bought");
        QTest::newRow("49 credits") << 49 << false;
        QTest::newRow("50 credits") << 50 << true;
    }
    void buying()
    {
        QFETCH(int, credit);
        QFETCH(bool, bought);
        Bench b;
        b.game.Credit = credit;
        Window w(b);
        click(w, "Command2");
        QCOMPARE(b.game.Credit, bought ? credit - 50 : credit);
        QCOMPARE(text(w, "Label5"), QString::number(b.game.Credit));
        // The price is saved before the selection runs.
        QCOMPARE(b.fileText(), bought ? savedBalance(0) : QByteArray());
        QCOMPARE(enabled(w, "Command1"), !bought);
        QCOMPARE(enabled(w, "Command2"), !bought);
        QCOMPARE(enabled(w, "Command3"), bought);
        b.advance(1000);
        QCOMPARE(shownPieces(w).size(), 0); // nothing revealed without STOP
    }

    // The highlight steps every 0.08 seconds; STOP lets the step under way move it once more.
    void selection_data()
    {
        QTest::addColumn<int>("stopAt"); // ms after "50 BET"
        QTest::addColumn<int>("turns");
        QTest::newRow("STOP at once") << 0 << 1;
        QTest::newRow("STOP after one step") << 100 << 2;
        QTest::newRow("STOP after four steps") << 330 << 5;
        QTest::newRow("STOP after fifteen steps") << 1250 << 16;
    }
    void selection()
    {
        QFETCH(int, stopAt);
        QFETCH(int, turns);
        const int number = numberAfter(turns);
        Bench b;
        b.game.Credit = 120;
        Window w(b);
        click(w, "Command2");
        QCOMPARE(shownNumbers(w), All);
        QCOMPARE(text(w, "Label2"), "");
        b.advance(stopAt);
        click(w, "Command3");
        QVERIFY(!enabled(w, "Command3"));
        b.advance(turnAt(turns) - stopAt);
        QCOMPARE(text(w, "Label2"), QString::number(number));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(numberColour(w, k), k == number - 1 ? QColor(255, 0, 0) : QColor(0, 0, 0));
        b.advance(499); // the chosen number stays highlighted for 0.5 seconds
        QCOMPARE(shownPieces(w), Pieces{});
        QVERIFY(!enabled(w, "Command1"));
        b.advance(1);
        QCOMPARE(shownPieces(w), Pieces{number - 1});
        QCOMPARE(shownNumbers(w), All - Pieces{number - 1});
        QCOMPARE(text(w, "Label2"), QString::number(number));
        QVERIFY(enabled(w, "Command1"));
        QVERIFY(enabled(w, "Command2"));
        QVERIFY(!enabled(w, "Command3"));
        QCOMPARE(b.game.Credit, 70);
        QVERIFY(b.clock.idle());
    }

    void drawingAPieceAlreadyOwned()
    {
        Bench b;
        b.writeFile("[MAIN]\n" + pieceLines({1}));
        b.game.Credit = 100;
        Window w(b);
        QCOMPARE(shownNumbers(w), All - Pieces{1});
        click(w, "Command2");
        QCOMPARE(shownNumbers(w), All); // every number over the board, also over owned pieces
        click(w, "Command3");
        b.advance(turnAt(1) + 500);
        QCOMPARE(text(w, "Label2"), "2");
        QCOMPARE(shownPieces(w), Pieces{1});
        QCOMPARE(shownNumbers(w), All - Pieces{1});
        QCOMPARE(b.game.Credit, 50);
        QVERIFY(enabled(w, "Command2"));
        QVERIFY(enabled(w, "Command1"));
        click(w, "Command1");
        QCOMPARE(b.fileText(), "[MAIN]\n" + pieceLines({1}) + savedBalance(50).mid(7));
    }

    void theCompletingPurchase()
    {
        Bench b;
        b.writeFile("[MAIN]\n" + pieceLines(All - Pieces{1}));
        b.game.Credit = 50;
        {
            Window w(b);
            click(w, "Command2");
            click(w, "Command3");
            const int reveal = turnAt(1) + 500;
            b.advance(reveal - 1);
            QVERIFY(!showsBonus(w));
            b.advance(1);
            QVERIFY(showsBonus(w));
            QCOMPARE(shownNumbers(w), QSet<int>{});
            // The pieces vanish in the order of their numbers, one each 0.1 seconds.
            for (int k = 0; k < 16; ++k) {
                Pieces left;
                for (int j = k + 1; j < 16; ++j)
                    left.insert(j);
                QCOMPARE(shownPieces(w), left);
                QVERIFY(!enabled(w, "Command1"));
                b.advance(100);
            }
            QVERIFY(enabled(w, "Command1"));
            QVERIFY(!enabled(w, "Command2"));
            QVERIFY(hidden(w, "Command4"));
            QCOMPARE(b.game.Credit, 0);
            click(w, "Command1");
            QCOMPARE(b.fileText(), "[MAIN]\n" + pieceLines(All) + savedBalance(0).mid(7));
            QVERIFY(b.menu.isVisible());
        }
        Window again(b);
        QVERIFY(showsBonus(again));
        QVERIFY(!hidden(again, "Command4"));
        QVERIFY(!enabled(again, "Command2"));
    }

    void clearThenClose()
    {
        Bench b;
        b.writeFile("[MAIN]\n" + pieceLines(All));
        b.game.Credit = 50;
        Window w(b);
        click(w, "Command4");
        QVERIFY(widget<ui::Picture>(w, "Picture1")->picture().isNull());
        QCOMPARE(shownNumbers(w), All);
        QCOMPARE(shownPieces(w), Pieces{});
        QVERIFY(enabled(w, "Command2"));
        QVERIFY(hidden(w, "Command4"));
        QCOMPARE(b.fileText(), "[MAIN]\n" + pieceLines(All)); // CLEAR itself writes nothing
        click(w, "Command1");
        QCOMPARE(b.fileText(), "[MAIN]\nTYPE-A= 1192\nTYPE-B= 1600\nTYPE-C= 794\nTYPE-D= 1919\n"
                               "TYPE-E= 1970\nTYPE-F= 5371\nTYPE-G= 255\nTYPE-H= 1092\n"
                               "TYPE-I= 2\nTYPE-J= 653\nTYPE-K= 58\nTYPE-L= 0\n"
                               "TYPE-M= 3351\nTYPE-N= 298\nTYPE-O= 8948\nTYPE-P= 1001\n");
        QCOMPARE(b.game.Credit, 50);
    }

    // Closing in the middle of a purchase stops it as STOP would at that moment, reveals the
    // piece, saves the pieces and returns to the menu; the price stays taken and saved.
    void closingDuringAPurchase_data()
    {
        QTest::addColumn<Pieces>("before");
        QTest::addColumn<int>("stopAt"); // -1: no STOP
        QTest::addColumn<int>("closeAt");
        QTest::addColumn<Pieces>("after");
        QTest::newRow("at once") << Pieces{} << -1 << 0 << Pieces{numberAfter(1) - 1};
        QTest::newRow("during the highlight")
            << Pieces{} << -1 << 330 << Pieces{numberAfter(5) - 1};
        QTest::newRow("after STOP") << Pieces{3} << 100 << 300 << Pieces{3, numberAfter(2) - 1};
        QTest::newRow("while the pieces vanish") << All - Pieces{1} << 0 << 900 << All;
    }
    void closingDuringAPurchase()
    {
        QFETCH(Pieces, before);
        QFETCH(int, stopAt);
        QFETCH(int, closeAt);
        QFETCH(Pieces, after);
        Bench b;
        b.writeFile("[MAIN]\n" + pieceLines(before));
        b.game.Credit = 75;
        Window w(b);
        click(w, "Command2");
        if (stopAt >= 0) {
            b.advance(stopAt);
            click(w, "Command3");
            b.advance(closeAt - stopAt);
        } else {
            b.advance(closeAt);
        }
        leaveAndUnload(w);
        QVERIFY(!w.w);
        QVERIFY(b.menu.isVisible());
        QCOMPARE(b.game.Credit, 25);
        QCOMPARE(b.fileText(), "[MAIN]\n" + pieceLines(after) + savedBalance(25).mid(7));
        QVERIFY(b.clock.idle());
    }

    // The bonus picture keeps the top row of the puzzle picture and changes every tile below.
    void theBonusPictureSharesTheTopRow()
    {
        const QImage puzzle =
            ui::picture("premium/puzzle").toImage().convertToFormat(QImage::Format_RGB32);
        const QImage bonus =
            ui::picture("premium/bonus").toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(puzzle.size(), QSize(300, 280));
        QCOMPARE(bonus.size(), QSize(300, 280));
        for (int k = 0; k < 16; ++k) {
            const QRect tile(75 * (k % 4), 70 * (k / 4), 75, 70);
            const bool same = puzzle.copy(tile) == bonus.copy(tile);
            QVERIFY2(same == (k < 4), qPrintable(QString("tile %1").arg(k)));
        }
    }
};

ARCADE_TEST_MAIN(Premium)
#include "tst_premium.moc"
