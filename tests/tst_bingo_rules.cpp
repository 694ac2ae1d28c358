// SPDX-License-Identifier: GPL-3.0-or-later
// The Bingo card maker, line checker and odds, on plain cells without a window.
#include "testing.h"

#include "games/bingo/cbingomake.h"
#include "games/bingo/clinechk.h"
#include "games/bingo/rules.h"

#include <QSet>

#include <vector>

namespace {

constexpr bingo::Rgb Plain{255, 255, 255};

struct PlainCell final : bingo::Cell
{
    std::string text, mark;
    bingo::Rgb back = Plain;
    void set(std::string t, std::string m, bingo::Rgb b)
    {
        text = std::move(t);
        mark = std::move(m);
        back = b;
    }
    std::string caption() const override { return text; }
    void setCaption(const std::string &t) override { text = t; }
    std::string tag() const override { return mark; }
    void setTag(const std::string &t) override { mark = t; }
    bingo::Rgb backColor() const override { return back; }
    void setBackColor(bingo::Rgb c) override { back = c; }
};

// A control array of plain cells.
struct Cells
{
    explicit Cells(int n) : cells(n)
    {
        for (auto &c : cells)
            ptrs.push_back(&c);
    }
    std::vector<PlainCell> cells;
    std::vector<bingo::Cell *> ptrs;
    bingo::Cells array() const { return ptrs; }
    PlainCell &operator[](int i) { return cells[i]; }
};

// A card's 25 captions, row by row: "1 7 13 19 25 / 2 8 ...".
QString captions(Cells &card)
{
    QStringList rows;
    for (int r = 0; r < 5; ++r) {
        QStringList row;
        for (int c = 0; c < 5; ++c)
            row << QString::fromStdString(card[5 * r + c].text);
        rows << row.join(' ');
    }
    return rows.join(" / ");
}

// A card's colours row by row: '.' plain, 'g' marked grey, 'y' reach yellow, 'r' complete red.
QString colours(Cells &card)
{
    QString s;
    for (int i = 0; i < 25; ++i) {
        if (i && i % 5 == 0) s += ' ';
        const bingo::Rgb c = card[i].back;
        s += c == Plain              ? '.'
             : c == bingo::LightGrey ? 'g'
             : c == bingo::Yellow    ? 'y'
             : c == bingo::Red       ? 'r'
                                     : '?';
    }
    return s;
}

} // namespace

class BingoRules : public QObject
{
    Q_OBJECT
private slots:
    // Each column takes six picks from a shrinking pool of 1..6 and shows the first five.
    void makerLaysOutTheScriptedColumns_data()
    {
        QTest::addColumn<QList<int>>("picks"); // six pool indexes for each column B..O
        QTest::addColumn<QString>("card");
        QTest::newRow("always the first")
            << QList<int>(30, 0)
            << "1 7 13 19 25 / 6 12 18 24 30 / 5 11 * 23 29 / 4 10 16 22 28 / 3 9 15 21 27";
        QTest::newRow("always the last")
            << QList<int>{5, 4, 3, 2, 1, 0, 5, 4, 3, 2, 1, 0, 5, 4, 3,
                          2, 1, 0, 5, 4, 3, 2, 1, 0, 5, 4, 3, 2, 1, 0}
            << "6 12 18 24 30 / 5 11 17 23 29 / 4 10 * 22 28 / 3 9 15 21 27 / 2 8 14 20 26";
        QTest::newRow("each column its own")
            << QList<int>{2, 2, 2, 2, 1, 0, 0, 0, 0, 0, 0, 0, 5, 4, 3,
                          2, 1, 0, 5, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0}
            << "3 7 18 24 26 / 6 12 17 19 30 / 5 11 * 23 29 / 4 10 15 22 28 / 2 9 14 21 27";
    }
    void makerLaysOutTheScriptedColumns()
    {
        QFETCH(QList<int>, picks);
        QFETCH(QString, card);
        ui::ScriptedRandom random;
        for (int i = 0; i < picks.size(); ++i)
            random.pushPick(picks[i], 6 - i % 6);
        Cells cells(30);
        const char *headers[5] = {"B", "I", "N", "G", "O"};
        for (int h = 0; h < 5; ++h)
            cells[25 + h].set(headers[h], "7", bingo::Yellow);
        cells[3].back = bingo::Red; // left from an earlier game
        cBingoMake maker(random);
        maker.Canvas = cells.array();
        maker.make();
        QCOMPARE(captions(cells), card);
        QVERIFY(random.exhausted());
        QCOMPARE(random.reseeds, 0); // the deal seeds once, not every card
        for (int i = 0; i < 25; ++i)
            QCOMPARE(cells[i].mark, i == 12 ? "1" : "0");
        QCOMPARE(colours(cells), "...r. ..... ..g.. ..... .....");
        for (int h = 0; h < 5; ++h) { // the headers are not the maker's
            QCOMPARE(cells[25 + h].text, headers[h]);
            QCOMPARE(cells[25 + h].mark, "7");
            QVERIFY(cells[25 + h].back == bingo::Yellow);
        }
    }

    void makerWithRealChanceKeepsColumnsAndDistinctNumbers()
    {
        ui::SystemRandom random;
        cBingoMake maker(random);
        Cells cells(30);
        maker.Canvas = cells.array();
        QSet<int> missingFromN;
        for (int round = 0; round < 300; ++round) {
            maker.make();
            QSet<int> seen;
            for (int i = 0; i < 25; ++i) {
                if (i == 12) {
                    QCOMPARE(cells[i].text, "*");
                    continue;
                }
                const int n = std::stoi(cells[i].text);
                const int c = i % 5;
                QVERIFY2(n >= 6 * c + 1 && n <= 6 * c + 6, qPrintable(captions(cells)));
                QVERIFY2(!seen.contains(n), qPrintable(captions(cells)));
                seen.insert(n);
            }
            QCOMPARE(seen.size(), 24);
            for (int n = 13; n <= 18; ++n)
                if (!seen.contains(n)) missingFromN.insert(n);
        }
        QCOMPARE(missingFromN.size(), 6); // every N number can be left off
    }

    // A card whose cell in row r, column c holds 6c + r + 1: columns B 1..5, I 7..11,
    // N 13 14 * 16 17, G 19..23, O 25..29. Not on it: 6, 12, 15, 18, 24, 30. Each number is
    // drawn, marked and the lines scanned, as the window does at every reveal.
    void lineCheckerCountsAndColoursLines_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("reach");
        QTest::addColumn<int>("complete");
        QTest::newRow("fresh card, number not on it")
            << QList<int>{18} << "..... ..... ..g.. ..... ....." << 0 << 0;
        QTest::newRow("one hit") << QList<int>{8} << "..... .g... ..g.. ..... ....." << 0 << 0;
        QTest::newRow("three hits on a plain row")
            << QList<int>{1, 7, 13} << "ggg.. ..... ..g.. ..... ....." << 0 << 0;
        QTest::newRow("four on a plain row: reach")
            << QList<int>{1, 7, 13, 19} << "yyyy. ..... ..g.. ..... ....." << 1 << 0;
        QTest::newRow("reach that completes")
            << QList<int>{1, 7, 13, 19, 25} << "rrrrr ..... ..g.. ..... ....." << 0 << 1;
        QTest::newRow("centre row reaches on three")
            << QList<int>{3, 9, 21} << "..... ..... yyyy. ..... ....." << 1 << 0;
        QTest::newRow("centre row completes on four")
            << QList<int>{3, 9, 21, 27} << "..... ..... rrrrr ..... ....." << 0 << 1;
        QTest::newRow("centre diagonal reaches on three")
            << QList<int>{1, 8, 22} << "y.... .y... ..y.. ...y. ....." << 1 << 0;
        QTest::newRow("one hit, two reaches")
            << QList<int>{13, 16, 2, 8, 20, 14} << "..y.. yyyy. ..y.. ..y.. ....." << 2 << 0;
        QTest::newRow("reach beside a line goes red where they cross")
            << QList<int>{3, 9, 21, 27, 1, 2, 4} << "y.... y.... rrrrr y.... ....." << 1 << 1;
        QTest::newRow("one hit completes two lines") << QList<int>{7, 13, 19, 25, 2, 3, 4, 5, 1}
                                                     << "rrrrr r.... r.g.. r.... r...." << 0 << 2;
        QTest::newRow("one hit completes three lines")
            << QList<int>{7, 13, 19, 25, 2, 3, 4, 5, 8, 22, 29, 1}
            << "rrrrr rr... r.r.. r..r. r...r" << 0 << 3;
        QTest::newRow("the count is of the card as it stands")
            << QList<int>{1, 7, 13, 19, 25, 2, 3, 4} << "rrrrr y.... y.g.. y.... ....." << 1 << 1;
    }
    void lineCheckerCountsAndColoursLines()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QString, after);
        QFETCH(int, reach);
        QFETCH(int, complete);
        Cells card(30), master(12);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                card[5 * r + c].set(std::to_string(6 * c + r + 1), "0", Plain);
        card[12].set("*", "1", bingo::LightGrey);
        for (int i = 0; i < draws.size(); ++i)
            master[i].mark = std::to_string(draws[i]);
        cLineChk checker;
        QCOMPARE(checker.RichCheck(), 0);
        QCOMPARE(checker.EndCheck(), 0);
        checker.Master = master.array();
        checker.Canvas = card.array();
        for (int i = 0; i < draws.size(); ++i) {
            checker.Num = std::int16_t(i);
            checker.BingoCheck();
            checker.LineCheck();
            QCOMPARE(master[i].text, std::to_string(draws[i])); // revealed in the drawn column
        }
        QCOMPARE(colours(card), after);
        QCOMPARE(int(checker.RichCheck()), reach);
        QCOMPARE(int(checker.EndCheck()), complete);
        for (int i = int(draws.size()); i < 12; ++i)
            QCOMPARE(master[i].text, ""); // still hidden
        int marked = 0;
        for (int i = 0; i < 25; ++i)
            marked += card[i].mark == "1";
        QCOMPARE(marked, 1 + int(std::count_if(draws.begin(), draws.end(),
                                               [](int n) { return n % 6 && n != 15; })));
    }

    void lineCheckerIgnoresAnIndexOutsideTheDrawnColumn()
    {
        Cells card(30), master(12);
        card[0].set("5", "0", Plain);
        for (auto &m : master.cells)
            m.mark = "5";
        cLineChk checker;
        checker.Master = master.array();
        checker.Canvas = card.array();
        for (int num : {-1, 12, 300}) {
            checker.Num = std::int16_t(num);
            checker.BingoCheck();
        }
        QCOMPARE(card[0].mark, "0");
        for (auto &m : master.cells)
            QCOMPARE(m.text, "");
    }

    void ballFrames_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("hostess");
        using H = bingo::Hostess;
        QTest::newRow("0") << 0 << 1 << 0 << int(H::EyesOpen);
        QTest::newRow("1") << 1 << 7 << 1 << int(H::EyesOpen);
        QTest::newRow("2 blinks") << 2 << 13 << 2 << int(H::EyesClosed);
        QTest::newRow("4") << 4 << 25 << 4 << int(H::EyesOpen);
        QTest::newRow("5") << 5 << 2 << 0 << int(H::EyesOpen);
        QTest::newRow("16") << 16 << 10 << 1 << int(H::EyesOpen);
        QTest::newRow("17 blinks") << 17 << 16 << 2 << int(H::EyesClosed);
        QTest::newRow("27 blinks") << 27 << 18 << 2 << int(H::EyesClosed);
        QTest::newRow("28") << 28 << 24 << 3 << int(H::EyesOpen);
        QTest::newRow("29 speaks") << 29 << 30 << 4 << int(H::MouthOpen);
    }
    void ballFrames()
    {
        QFETCH(int, t);
        const bingo::BallFrame f = bingo::ballFrame(t);
        QTEST(f.number, "number");
        QTEST(f.column, "column");
        QTEST(int(f.hostess), "hostess");
        QCOMPARE(bingo::columnOf(f.number), f.column);
    }

    void settlementWin_data()
    {
        QTest::addColumn<QList<double>>("cards"); // bet, lines, odds of A, B, C, D
        QTest::addColumn<qint64>("win");
        QTest::newRow("nothing") << QList<double>(12, 0) << qint64(0);
        QTest::newRow("bet without a line")
            << QList<double>{5, 0, 2, 0, 0, 2, 0, 0, 2, 0, 0, 2} << qint64(0);
        QTest::newRow("two lines, odds of the first")
            << QList<double>{3, 2, 120, 0, 0, 2, 0, 0, 2, 0, 0, 2} << qint64(720);
        QTest::newRow("two cards")
            << QList<double>{2, 1, 250, 0, 1, 250, 0, 0, 2, 1, 1, 2} << qint64(502);
        QTest::newRow("past 16 bits")
            << QList<double>{30, 3, 500, 0, 0, 2, 0, 0, 2, 40, 1, 500} << qint64(65000);
        QTest::newRow("past 32 bits")
            << QList<double>{2147483647, 12, 500, 0, 0, 2, 0, 0, 2, 0, 0, 2}
            << qint64(12884901882000);
    }
    void settlementWin()
    {
        QFETCH(QList<double>, cards);
        std::array<bingo::CardResult, 4> results;
        for (int k = 0; k < 4; ++k)
            results[k] = {cards[3 * k], cards[3 * k + 1], cards[3 * k + 2]};
        QTEST(qint64(bingo::settlementWin(results)), "win");
    }
};

ARCADE_TEST_MAIN(BingoRules)
#include "tst_bingo_rules.moc"
