// SPDX-License-Identifier: GPL-3.0-or-later
// The records: what every game took and gave, kept in ZelkRecord.ini beside the settings file,
// shown by the records window that the menu's CREDIT box opens. The check that matters is the
// invariant: over any sequence of plays, closes and fresh starts, the games' paid minus staked
// plus the fresh starts' credits is the balance's change.
#include "testing.h"

#include "games/premium/winner.h"
#include "games/roulette/roter.h"
#include "games/roulette/wheel.h"
#include "games/slot/reels.h"
#include "games/slot/slot.h"
#include "games/treasure/hunt.h"
#include "games/treasure/takara.h"
#include "shell/gamemain.h"
#include "shell/gametable.h"
#include "shell/records.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

Q_DECLARE_METATYPE(Records::Game)

namespace {

QStringList forms()
{
    QStringList list;
    for (const GameEntry &g : gameTable())
        list << g.form;
    return list;
}

QString recordPath(const Bench &b)
{
    return Records::pathBeside(b.iniPath());
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The records' side of the invariant: what the games changed the balance by, plus fresh starts.
std::int64_t accounted(const Records &r)
{
    return r.total().net() + Records::FreshStartCredits * r.restarts();
}

void topUp(ui::ScriptedRandom &random, std::mt19937 &engine)
{
    if (random.left() > 5000) return;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 20000; ++i)
        random.push(unit(engine));
}

// A slot spin on the menu's Slot window: stakes, then start rows that pay `factor`.
void spinSlot(Bench &b, GameMain &menu, int stakes, std::array<int, 3> rows)
{
    for (int r : rows)
        b.random.pushPick(r, slot::Rows);
    GameWindow *w = menu.openGame("Slot");
    for (int i = 0; i < stakes; ++i)
        click(w, "Command2");
    click(w, "Command1");
    b.clock.runUntilIdle();
    w->leave();
    flushDeletes();
}

QString cell(QWidget *records, const char *column, const QString &form)
{
    const int row = int(forms().indexOf(form));
    return text(records, ui::indexed(QLatin1String(column), row < 0 ? int(forms().size()) : row));
}

// Drops the effective user to nobody for a scope, so that a file without read permission cannot
// be read even when the tests run as root.
struct AsNobody
{
    explicit AsNobody(const QString &dir)
    {
        const passwd *nobody = getpwnam("nobody");
        if (dir.isEmpty() || geteuid() != 0 || !nobody) return;
        for (const QFileInfo &e : QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (lchown(QFile::encodeName(e.filePath()).constData(), nobody->pw_uid,
                       nobody->pw_gid) != 0)
                qFatal("chown");
        if (chown(QFile::encodeName(dir).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
            seteuid(nobody->pw_uid) != 0)
            qFatal("cannot become nobody");
        dropped = true;
    }
    ~AsNobody()
    {
        if (dropped && seteuid(0) != 0) qFatal("cannot become root again");
    }
    bool dropped = false;
};

// The first chest in reading order whose dealt code is gold, or empty.
QString chest(QObject *w, bool gold)
{
    for (int i = 0; i < treasure::Chests; ++i) {
        const QString name = ui::indexed("Image1", i);
        const int code = ui::tagNumber(widget(w, name));
        if (gold == (code >= 1 && code <= treasure::GoldChests)) return name;
    }
    qFatal("no such chest");
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT
private slots:
    // Counts reach the file in the settings file's number text and come back whole.
    void fileRoundTrip()
    {
        Bench b;
        Records &r = b.game.Record;
        QCOMPARE(r.load(recordPath(b), {"Bingo", "Slot"}, QDate(2024, 5, 1)),
                 Records::Loaded::Fresh);
        r.staked("Slot", 3);
        r.settled("Slot", 600);
        r.staked("Slot", 1);
        r.settled("Slot", 0);
        r.freshStart();
        b.game.Credit = 700;
        QVERIFY(b.game.SaveCredit());
        QCOMPARE(readAll(recordPath(b)),
                 QByteArray("[MAIN]\nSINCE=2024-05-01\nRESTARTS= 1\n"
                            "[Bingo]\nPLAYS= 0\nSTAKED= 0\nPAID= 0\nBEST= 0\n"
                            "[Slot]\nPLAYS= 2\nSTAKED= 4\nPAID= 600\nBEST= 600\n"));
        QCOMPARE(b.fileText(), savedBalance(700)); // the settings file holds the balance only

        Records again;
        QCOMPARE(again.load(recordPath(b), {"Bingo", "Slot"}, QDate(2030, 1, 1)),
                 Records::Loaded::Read);
        QCOMPARE(again.since(), QDate(2024, 5, 1));
        QCOMPARE(again.restarts(), 1);
        QCOMPARE(again.games(), r.games());
        QCOMPARE(again.total().net(), 596);

        // A reset keeps the games and starts from its day.
        again.reset(QDate(2030, 1, 2));
        QCOMPARE(again.total(), Records::Game{});
        QCOMPARE(again.restarts(), 0);
        QCOMPARE(again.since(), QDate(2030, 1, 2));
        QCOMPARE(again.games().size(), 2);
    }

    // Whatever lies where the records should be, the balance and play go on untouched, the
    // records start afresh, and what could not be read is still there, byte for byte.
    void damagedFile_data()
    {
        QTest::addColumn<QString>("kind");       // what is put in the file's place
        QTest::addColumn<QByteArray>("content"); // the file's text, for a file
        QTest::addColumn<bool>("replaced");      // the next save writes records there

        const QByteArray good =
            "[MAIN]\nSINCE=2024-05-01\nRESTARTS= 0\n[Slot]\nPLAYS= 5\nSTAKED= 9\n"
            "PAID= 4\nBEST= 4\n";
        QTest::newRow("binary junk")
            << "file" << QByteArray("\x00\xff[MA\x00IN]\r=\x80\n\x1b[2J\n", 16) << true;
        QTest::newRow("empty file") << "file" << QByteArray() << true;
        QTest::newRow("no date") << "file" << QByteArray(good).replace("SINCE=2024-05-01\n", "")
                                 << true;
        QTest::newRow("date that is none")
            << "file" << QByteArray(good).replace("2024-05-01", "2024-02-30") << true;
        QTest::newRow("negative count")
            << "file" << QByteArray(good).replace("STAKED= 9", "STAKED=-9") << true;
        QTest::newRow("count that is text")
            << "file" << QByteArray(good).replace("PLAYS= 5", "PLAYS=many") << true;
        QTest::newRow("count too long")
            << "file" << QByteArray(good).replace("PAID= 4", "PAID= 99999999999999999999") << true;
        QTest::newRow("best above paid")
            << "file" << QByteArray(good).replace("BEST= 4", "BEST= 40") << true;
        QTest::newRow("huge file")
            << "file" << QByteArray(good + QByteArray(2 * Records::MaxSize, '\n')) << false;
        QTest::newRow("file that cannot be read") << "unreadable" << good << false;
        QTest::newRow("directory in its place") << "directory" << QByteArray() << false;
    }
    void damagedFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, replaced);
        Bench b;
        b.writeFile(savedBalance(250) + "TYPE-1= 12\n");
        const QString path = recordPath(b);
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
            writeAll(QDir(path).filePath("inside"), "kept");
        } else {
            writeAll(path, content);
            if (kind == "unreadable") QFile::setPermissions(path, QFile::WriteOwner);
        }
        const AsNobody nobody(kind == "unreadable" ? b.dir.path() : QString());

        b.game.LoadCredit();
        QCOMPARE(b.game.Credit, 250);
        const Records::Loaded loaded = b.game.Record.load(path, forms(), QDate::currentDate());
        QVERIFY(loaded != Records::Loaded::Read);
        QCOMPARE(b.game.Record.total(), Records::Game{});
        QCOMPARE(b.game.Record.since(), QDate::currentDate());

        // A spin that pays 200 times its stake of 2 on three Japanese flags.
        for (int r : {9, 4, 9})
            b.random.pushPick(r, slot::Rows);
        auto *w = b.open<Slot>();
        click(w, "Command2");
        click(w, "Command2");
        click(w, "Command1");
        b.clock.runUntilIdle();
        QCOMPARE(b.game.Credit, 250 - 2 + 400);
        QCOMPARE(b.fileText(), savedBalance(648) + "TYPE-1= 12\n");
        const Records::Game *slot = b.game.Record.game("Slot");
        QVERIFY(slot);
        QCOMPARE(*slot, (Records::Game{"Slot", 1, 2, 400, 400}));
        w->leave();
        flushDeletes();

        if (kind == "directory") {
            QVERIFY(QFileInfo(path).isDir());
            QCOMPARE(readAll(QDir(path).filePath("inside")), QByteArray("kept"));
        } else if (!replaced) {
            QCOMPARE(QFileInfo(path).size(), content.size());
            if (kind == "file") QCOMPARE(readAll(path), content);
        } else {
            // The records written now are read back; lines that were not ours stay.
            Records again;
            QCOMPARE(again.load(path, forms(), QDate(2000, 1, 1)), Records::Loaded::Read);
            QCOMPARE(*again.game("Slot"), *slot);
            if (kind == "file" && content.startsWith('\0'))
                QVERIFY(readAll(path).startsWith(content));
        }
    }

    // The sum cannot show whether a play was counted: each way a play ends counts it once, with
    // what it added, and a play that never settles is not counted while its stakes are.
    void playsCounted_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Records::Game>("expected");
        QTest::newRow("slot closed in the middle of its spin")
            << "Slot"
            << "close mid-play" << Records::Game{"Slot", 1, 2, 400, 400};
        QTest::newRow("roulette stop on 0") << "Roter"
                                            << "run" << Records::Game{"Roter", 1, 3, 0, 0};
        QTest::newRow("treasure win taken") << "Takara"
                                            << "take" << Records::Game{"Takara", 1, 2, 4, 4};
        QTest::newRow("treasure hunt lost") << "Takara"
                                            << "lose" << Records::Game{"Takara", 1, 2, 0, 0};
        QTest::newRow("treasure left at the question")
            << "Takara"
            << "close at the question" << Records::Game{"Takara", 0, 2, 0, 0};
        QTest::newRow("premium purchase") << "Winner"
                                          << "run" << Records::Game{"Winner", 1, 50, 0, 0};
        QTest::newRow("stakes left on the table") << "Slot"
                                                  << "close" << Records::Game{"Slot", 0, 2, 0, 0};
    }
    void playsCounted()
    {
        QFETCH(QString, form);
        QFETCH(QString, how);
        QFETCH(Records::Game, expected);
        Bench b;
        std::mt19937 chance(7);
        b.game.Credit = 100;
        b.game.Record.load(recordPath(b), forms(), QDate::currentDate());
        if (form == "Slot")
            for (int r : {9, 4, 9})
                b.random.pushPick(r, slot::Rows);
        if (form == "Roter") b.random.pushPick(7, roulette::Lamps); // lamp 7 is a 0
        topUp(b.random, chance);
        GameWindow *w = findGame(form)->make(b.context, &b.menu);
        w->show();
        if (form == "Slot") {
            click(w, "Command2");
            click(w, "Command2");
            if (how == "close mid-play") click(w, "Command1");
            b.advance(100);
        } else if (form == "Roter") {
            click(w, "Command3");
            click(w, "Command3");
            click(w, "Command2");
            click(w, "Command1");
            b.clock.runUntilIdle();
        } else if (form == "Takara") {
            click(w, "Command1");
            click(w, "Command1");
            click(w, "Command2");
            click(w, chest(w, how != "lose"));
            b.clock.runUntilIdle();
            if (how == "take") click(w, "Command5"); // No: takes the win of one find
        } else if (form == "Winner") {
            click(w, "Command2"); // 50 BET
            b.advance(400);
            click(w, "Command3"); // STOP
            b.clock.runUntilIdle();
        }
        w->close();
        flushDeletes();
        QVERIFY(b.clock.idle());
        QCOMPARE(*b.game.Record.game(form), expected);
        QCOMPARE(accounted(b.game.Record), b.game.Credit - 100);
    }

    // The long run: a player clicks whatever they like in all nine games, closes windows in the
    // middle of plays, and takes a fresh start whenever the balance is gone. After every step the
    // records account for the balance's change exactly, and the file agrees at every save.
    void invariantOverSoak()
    {
        constexpr int Steps = 30000;
        Bench b;
        std::mt19937 chance(20241), player(4712);
        const auto pick = [&player](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(player);
        };
        topUp(b.random, chance);
        b.game.Credit = 0;
        QVERIFY(b.game.SaveCredit());
        b.game.Record.load(recordPath(b), forms(), QDate::currentDate());
        GameMain menu(b.context);
        menu.show();
        const std::int64_t start = b.game.Credit;
        int opened = 0, closedMidPlay = 0, freshStarts = 0, clicks = 0;
        for (int step = 1; step <= Steps; ++step) {
            topUp(b.random, chance);
            GameWindow *w = menu.currentGame();
            if (!w) {
                if (b.game.Credit == 0) {
                    RecordsWindow *records = menu.openRecords();
                    QVERIFY(records->freshStartOffered());
                    click(records, "FreshStart");
                    QVERIFY(!records->freshStartOffered());
                    click(records, "Close");
                    flushDeletes();
                    ++freshStarts;
                } else {
                    menu.openGame(forms()[pick(int(forms().size()))]);
                    ++opened;
                }
            } else if (pick(60) == 0) {
                if (w->busy()) ++closedMidPlay;
                w->close(); // the title bar's close, at whatever moment
                flushDeletes();
            } else if (pick(3) == 0) {
                b.clock.advance(ui::Ms(pick(4) == 0 ? pick(20000) : pick(600)));
                QCoreApplication::sendPostedEvents();
            } else {
                // Anything a player can press: mostly an enabled button, else a label or a
                // picture shown (chests, cards, dice outcomes, Mark's choices).
                QList<QWidget *> targets;
                const bool buttons = pick(4) != 0;
                for (QWidget *c : w->findChildren<QWidget *>()) {
                    if (!c->isVisible() || !c->isEnabled()) continue;
                    if (qobject_cast<QAbstractButton *>(c) ||
                        (!buttons &&
                         (qobject_cast<ui::Label *>(c) || qobject_cast<ui::Picture *>(c))))
                        targets << c;
                }
                if (!targets.isEmpty()) {
                    QWidget *t = targets[pick(int(targets.size()))];
                    QTest::mouseClick(t, Qt::LeftButton, {}, t->rect().center());
                    ++clicks;
                }
                QCoreApplication::sendPostedEvents();
                flushDeletes();
            }
            QVERIFY2(b.game.Credit >= 0, qPrintable(QStringLiteral("step %1").arg(step)));
            QVERIFY2(
                accounted(b.game.Record) == b.game.Credit - start,
                qPrintable(QStringLiteral("step %1: records account for %2, the balance moved %3")
                               .arg(step)
                               .arg(accounted(b.game.Record))
                               .arg(b.game.Credit - start)));
        }
        if (GameWindow *w = menu.currentGame()) w->leave();
        flushDeletes();
        menu.exitArcade(); // saves the balance and the records
        Game_C fresh;
        fresh.IniPath = b.iniPath();
        fresh.LoadCredit();
        QCOMPARE(fresh.Credit, b.game.Credit);
        QCOMPARE(fresh.Record.load(recordPath(b), forms(), QDate(2000, 1, 1)),
                 Records::Loaded::Read);
        QCOMPARE(fresh.Record.games(), b.game.Record.games());
        QCOMPARE(accounted(fresh.Record), std::int64_t(fresh.Credit) - start);

        QVERIFY(freshStarts > 0);
        QVERIFY(closedMidPlay > 0);
        for (const Records::Game &g : b.game.Record.games())
            QVERIFY2(g.plays > 0, qPrintable(g.form + " was never played"));
        const Records::Game t = b.game.Record.total();
        qInfo("%d steps, %d clicks, %d windows opened, %d closed mid-play, %d fresh starts", Steps,
              clicks, opened, closedMidPlay, freshStarts);
        for (const Records::Game &g : b.game.Record.games())
            qInfo("  %-7s plays %6lld staked %8lld paid %8lld net %+8lld best %6lld",
                  qPrintable(g.form), qlonglong(g.plays), qlonglong(g.staked), qlonglong(g.paid),
                  qlonglong(g.net()), qlonglong(g.best));
        qInfo(
            "  total   plays %6lld staked %8lld paid %8lld net %+8lld; + %lld x 100 fresh = %lld = "
            "balance %d - %lld",
            qlonglong(t.plays), qlonglong(t.staked), qlonglong(t.paid), qlonglong(t.net()),
            qlonglong(b.game.Record.restarts()), qlonglong(accounted(b.game.Record)), b.game.Credit,
            qlonglong(start));
    }

    // The CREDIT box opens the window; it shows each game's row and the total.
    void windowRows()
    {
        Bench b;
        b.game.Credit = 100;
        b.game.Record.load(recordPath(b), forms(), QDate::currentDate());
        GameMain menu(b.context);
        menu.show();
        QLabel *box = widget<QLabel>(&menu, "Label2");
        QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(box->toolTip().contains(GameMain::recordsKey().toString(QKeySequence::NativeText)));
        QCOMPARE(box->geometry(), QRect(ui::px(3000), ui::px(2520), ui::px(855), ui::px(375)));

        spinSlot(b, menu, 2, {9, 4, 9}); // 400
        spinSlot(b, menu, 3, {0, 0, 0}); // rows that pay nothing
        QCOMPARE(b.game.Credit, 100 - 5 + 400);

        click(&menu, "Label2");
        auto *records = menu.findChild<RecordsWindow *>("Records");
        QVERIFY(records && records->isVisible());
        QCOMPARE(records->windowTitle(), QString("成績"));
        QCOMPARE(records->windowModality(), Qt::ApplicationModal);
        struct Row
        {
            QString form;
            QStringList cells; // plays, staked, paid, net, return, best
        };
        const Row rows[] = {
            {"Slot", {"2", "5", "400", "+395", "80.00", "400"}},
            {"Bingo", {"0", "0", "0", "0", "–", "0"}},
            {"Winner", {"0", "0", "0", "0", "–", "0"}},
            {"", {"2", "5", "400", "+395", "80.00", "400"}}, // the total
        };
        for (const Row &row : rows) {
            QStringList shown;
            for (const char *c : {"Plays", "Staked", "Paid", "Net", "Return", "Best"})
                shown << cell(records, c, row.form);
            QCOMPARE(shown, row.cells);
        }
        QCOMPARE(cell(records, "Game", "Slot"), QString("スロット"));
        QCOMPARE(cell(records, "Game", "Card"), QString("マーク"));
        QCOMPARE(cell(records, "Odds", "Slot"), QString("1.19"));
        QVERIFY(text(records, "Since").contains(QDate::currentDate().toString(Qt::ISODate)));
        QVERIFY(!records->freshStartOffered());
        QVERIFY(!widget(records, "FreshStart")->isVisible());
        click(records, "Close");
        flushDeletes();
        QVERIFY(!menu.findChild<RecordsWindow *>("Records"));

        // The key the tooltip names opens it too.
        menu.activateWindow();
        QApplication::setActiveWindow(&menu);
        QTest::keySequence(&menu, GameMain::recordsKey());
        records = menu.findChild<RecordsWindow *>("Records");
        QVERIFY(records && records->isVisible());
    }

    // "Reset records" asks first; only a yes clears the records, and never the balance.
    void reset()
    {
        Bench b;
        b.game.Credit = 100;
        b.game.Record.load(recordPath(b), forms(), QDate(2024, 5, 1));
        GameMain menu(b.context);
        menu.show();
        spinSlot(b, menu, 2, {9, 4, 9});
        RecordsWindow *records = menu.openRecords();
        const auto confirm = [&] {
            click(records, "Reset");
            auto *box = records->findChild<QMessageBox *>("ResetConfirm");
            if (!box || !box->isVisible()) qFatal("no confirmation");
            return box;
        };
        click(confirm(), "ResetNo");
        flushDeletes();
        QCOMPARE(b.game.Record.total().plays, 1);
        QCOMPARE(cell(records, "Plays", "Slot"), QString("1"));

        click(confirm(), "ResetYes");
        flushDeletes();
        QCOMPARE(b.game.Record.total(), Records::Game{});
        QCOMPARE(b.game.Record.since(), QDate::currentDate());
        QCOMPARE(cell(records, "Plays", "Slot"), QString("0"));
        QCOMPARE(cell(records, "Staked", ""), QString("0"));
        QCOMPARE(b.game.Credit, 498);
        QCOMPARE(b.fileText(), savedBalance(498));
        Records stored;
        QCOMPARE(stored.load(recordPath(b), forms(), QDate(2000, 1, 1)), Records::Loaded::Read);
        QCOMPARE(stored.since(), QDate::currentDate());
        QCOMPARE(stored.total(), Records::Game{});
    }

    // The fresh start is offered at a balance of 0 only, and only while no game is open.
    void freshStart_data()
    {
        QTest::addColumn<int>("credit");
        QTest::addColumn<bool>("gameOpen");
        QTest::addColumn<bool>("offered");
        QTest::newRow("broke") << 0 << false << true;
        QTest::newRow("one credit left") << 1 << false << false;
        QTest::newRow("broke with a game open") << 0 << true << false;
    }
    void freshStart()
    {
        QFETCH(int, credit);
        QFETCH(bool, gameOpen);
        QFETCH(bool, offered);
        Bench b;
        b.game.Credit = credit;
        b.game.SaveCredit();
        b.game.Record.load(recordPath(b), forms(), QDate::currentDate());
        GameMain menu(b.context);
        menu.show();
        if (gameOpen) menu.openGame("Slot");
        RecordsWindow *records = menu.openRecords();
        QCOMPARE(records->freshStartOffered(), offered);
        QCOMPARE(widget(records, "FreshStart")->isVisible(), offered);
        QCOMPARE(text(records, "FreshStart"), QString("100クレジットで再開"));
        records->freshStart(); // does nothing where it is not offered
        if (!offered) {
            QCOMPARE(b.game.Credit, credit);
            QCOMPARE(b.game.Record.restarts(), 0);
            QCOMPARE(b.fileText(), savedBalance(credit));
            return;
        }
        QCOMPARE(b.game.Credit, 100);
        QCOMPARE(b.game.Record.restarts(), 1);
        QCOMPARE(b.fileText(), savedBalance(100)); // CREDIT, BACK and MIRROR, as every save
        QVERIFY(readAll(recordPath(b)).contains("RESTARTS= 1\n"));
        QCOMPARE(text(&menu, "Label2"), QString("100"));
        QVERIFY(!widget(records, "FreshStart")->isVisible());
        QVERIFY(text(records, "Restarts").endsWith(": 1"));
        records->freshStart(); // a second one is not offered at 100
        QCOMPARE(b.game.Credit, 100);
        QCOMPARE(b.game.Record.restarts(), 1);
    }
};

ARCADE_TEST_MAIN(RecordsTest)
#include "tst_records.moc"
