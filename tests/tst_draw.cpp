// SPDX-License-Identifier: GPL-3.0-or-later
// cBingoGo: numbers 1 to Total in a random order, the first Last of them written to the Tags.
#include "testing.h"

#include "games/bingo/draw/cbingogo.h"
#include "ui/widgets.h"

#include <QSet>

#include <array>

class Draw : public QObject
{
    Q_OBJECT
private slots:
    // Every user's Total and Last, drawn many times with real chance.
    void drawsDistinctNumbersInRange_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("last");
        QTest::newRow("bingo") << 30 << 12;
        QTest::newRow("treasure hunt") << 25 << 25;
        QTest::newRow("oicho-kabu") << 36 << 15;
        QTest::newRow("mark") << 52 << 5;
        QTest::newRow("dog race") << 5 << 5;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("largest") << 76 << 76;
    }
    void drawsDistinctNumbersInRange()
    {
        QFETCH(int, total);
        QFETCH(int, last);
        ui::SystemRandom random;
        std::array<ui::Label *, 80> canvas{};
        for (auto &l : canvas) {
            l = new ui::Label;
            ui::setTag(l, "old");
        }
        QSet<int> seenFirst;
        for (int round = 0; round < 200; ++round) {
            cBingoGo draw(random);
            draw.Total = std::int16_t(total);
            draw.Last = std::int16_t(last);
            draw.Canvas = ui::tagsOf(canvas);
            draw.make();
            QSet<int> values;
            for (int i = 0; i < last; ++i) {
                bool ok = false;
                const int v = ui::tag(canvas[i]).toInt(&ok);
                QVERIFY(ok && v >= 1 && v <= total);
                values.insert(v);
            }
            QCOMPARE(values.size(), last);
            for (std::size_t i = last; i < canvas.size(); ++i) QCOMPARE(ui::tag(canvas[i]), "old");
            seenFirst.insert(ui::tag(canvas[0]).toInt());
        }
        if (total > 1) QVERIFY(seenFirst.size() > 1); // the order does change between draws
        qDeleteAll(canvas);
    }

    // With scripted chance the order is the swap-with-last shuffle, and each make re-seeds.
    void followsTheShuffleExactly()
    {
        ui::ScriptedRandom random;
        for (int i = 0; i < 5; ++i) random.pushPick(0, 5 - i); // always the first entry left
        std::vector<int> got(5);
        cBingoGo draw(random);
        draw.Total = 5;
        draw.Last = 5;
        draw.Canvas = [&](int i, int v) { got[i] = v; };
        draw.make();
        QCOMPARE(got, (std::vector<int>{1, 5, 4, 3, 2}));
        QCOMPARE(random.reseeds, 1);

        for (int i = 0; i < 5; ++i) random.pushPick(4 - i, 5 - i); // always the last entry left
        draw.make();
        QCOMPARE(got, (std::vector<int>{5, 4, 3, 2, 1}));
        QVERIFY(random.exhausted()); // the whole order is built even when Last is smaller
        QCOMPARE(random.reseeds, 2);
    }

    void sizesOutsideTheListsAreHeldInRange()
    {
        ui::ScriptedRandom random;
        random.fallback = 0.999;
        int written = 0;
        cBingoGo draw(random);
        draw.Total = 200;
        draw.Last = 300;
        draw.Canvas = [&](int, int v) {
            QVERIFY(v >= 1 && v <= cBingoGo::MaxTotal);
            ++written;
        };
        draw.make();
        QCOMPARE(written, int(cBingoGo::MaxTotal));
        draw.Total = -3;
        draw.make();
        QCOMPARE(written, int(cBingoGo::MaxTotal));
    }
};

ARCADE_TEST_MAIN(Draw)
#include "tst_draw.moc"
