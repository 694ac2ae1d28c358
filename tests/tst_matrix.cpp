// SPDX-License-Identifier: GPL-3.0-or-later
// Closing a game window at every moment of its plays. For each game a scripted play is first run
// to its end on the virtual clock, recording the moment every pause, frame step or timer tick
// ends, and what finishing the play and leaving gives (Credit and the settings file). Then, for
// every recorded moment, a fresh window plays the same script up to that moment (or to the middle
// of the pause before it) and is closed there: the play must finish unseen, Credit and the file
// must be exactly what finishing gives, the menu must be shown again, and the window must be
// gone with nothing left on the clock.
#include "testing.h"

#include "games/bingo/bingo.h"
#include "games/dice/dice.h"
#include "games/dograce/dango.h"
#include "games/kabu/kabu.h"
#include "games/mark/card.h"
#include "games/premium/pieces.h"
#include "games/premium/winner.h"
#include "games/roulette/roter.h"
#include "games/roulette/wheel.h"
#include "games/slot/reels.h"
#include "games/slot/slot.h"
#include "games/treasure/takara.h"
#include "ui/widgets.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace {

constexpr int StartBalance = 1000;

// Scripted chance: the values a scenario pins down, then a long seeded tail for everything else
// (card makers, lane draws, the dogs' strides), so that every replay draws exactly the same.
void topUp(ui::ScriptedRandom &random, unsigned seed)
{
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 20000; ++i)
        random.push(unit(engine));
}

// Scripts a cBingoGo draw of `total` numbers so that it hands out `numbers` first, in order.
void scriptDraw(ui::ScriptedRandom &random, int total, const std::vector<int> &numbers)
{
    std::vector<int> pool(total);
    std::iota(pool.begin(), pool.end(), 1);
    for (int i = 0; i < int(numbers.size()); ++i) {
        const int left = total - i;
        const auto at = std::find(pool.begin(), pool.begin() + left, numbers[i]);
        if (at == pool.begin() + left) qFatal("number %d drawn twice", numbers[i]);
        random.pushPick(int(at - pool.begin()), left);
        *at = pool[left - 1];
    }
}

void clickTimes(QObject *w, const QString &name, int times)
{
    for (int i = 0; i < times; ++i)
        click(w, name);
}

// The chest whose dealt code is gold (1 to 11) or empty (12 to 25), first in reading order.
QString chest(QObject *w, bool gold)
{
    for (int i = 0; i < treasure::Chests; ++i) {
        const QString name = ui::indexed("Image1", i);
        const int code = ui::tagNumber(widget(w, name));
        if (gold ? (code >= 1 && code <= 11) : (code >= 12 && code <= 25)) return name;
    }
    qFatal("no such chest");
}

// Runs the play that is under way to its end.
void finishPlay(Bench &b)
{
    while (!b.clock.idle()) {
        b.advance(int((b.clock.nextDue() - b.clock.now()).count()));
        QCoreApplication::sendPostedEvents();
    }
}

int numberIn(QObject *w, const QString &name)
{
    return text(w, name).toInt();
}

// The balance a fresh start would load from the settings file.
int loadedBalance(const Bench &b)
{
    Game_C fresh;
    fresh.IniPath = b.iniPath();
    fresh.LoadCredit();
    return fresh.Credit;
}

// One scripted play of one game.
struct Scenario
{
    QString name;
    std::function<void(Bench &)> prepare = {}; // chance and settings file, before the window opens
    std::function<GameWindow *(Bench &)> open;
    // Stakes, choices and the click that starts the play; earlier plays run to their end here.
    std::function<void(Bench &, GameWindow *)> start;
    int stakes = 0;          // credits staked in start()
    int payout = -1;         // what the play pays; -1: whatever its WIN box shows
    QString winBox = {};     // where the payout shows, if anywhere
    std::set<qint64> pauses; // the lengths of the pauses between the recorded moments, in ms
    bool savesAtEnd = true;  // the play ends with the balance in the file
    // The player's action after recorded moment k (1, 2, ...), in every run that passes it.
    std::function<void(GameWindow *, int)> afterMoment = {};
    // What a player acting at the moment of closing does (Premium: STOP); the outcome then depends
    // on that moment, and each case is compared with a run that does this instead of closing.
    std::function<void(GameWindow *)> actNow = {};
};

template <class W> GameWindow *openOn(Bench &b)
{
    return b.open<W>();
}

// The Kabu deal: the dealer's and the three hands' cards by value, each value taking the next
// free suit.
using Deal = std::array<std::array<int, 3>, 4>;
void scriptKabuDeal(Bench &b, const Deal &hands)
{
    std::array<int, 10> suitsUsed{};
    std::vector<int> cards;
    for (int k = 0; k < 12; ++k) {
        const int value = hands[k % 4][k / 4];
        const int suit = ++suitsUsed[value];
        if (suit > 4) qFatal("more than four cards of value %d", value);
        cards.push_back((suit - 1) * 9 + value);
    }
    scriptDraw(b.random, kabu::DeckSize, cards);
}

// The settings file with the balance and the given Premium pieces owned.
void premiumFile(Bench &b, const std::set<int> &owned)
{
    b.game.SaveCredit();
    QList<QPair<QByteArray, QByteArray>> keys;
    for (int k = 0; k < premium::PieceCount; ++k)
        keys.append({premium::PieceKeys[k].key,
                     Game_C::numberText(premium::storedValue(k, owned.count(k) != 0))});
    b.game.writeKeys(keys);
}

// Treasure hunting: BET `stake` times, START, then open chests: g gold, e empty. Every chest but
// the last runs to its question, which is answered Yes.
std::function<void(Bench &, GameWindow *)> hunt(int stake, const char *chests)
{
    return [stake, chests](Bench &b, GameWindow *w) {
        clickTimes(w, "Command1", stake);
        click(w, "Command2");
        for (const char *c = chests; *c; ++c) {
            if (c != chests) {
                finishPlay(b);
                click(w, "Command4"); // Yes
            }
            click(w, chest(w, *c == 'g'));
        }
    };
}

// Oicho-Kabu: bets per hand, START, then each hand's answer: 'o' OK, 'a' Again, '-' none (no
// bet). The last answer starts the dealer's play.
std::function<void(Bench &, GameWindow *)> kabuHands(std::array<int, 3> bets, const char *answers)
{
    return [bets, answers](Bench &, GameWindow *w) {
        for (int h = 1; h <= 3; ++h)
            clickTimes(w, QStringLiteral("Command%1").arg(5 + h), bets[h - 1]);
        click(w, "Command1");
        for (int h = 1; h <= 3; ++h) {
            if (answers[h - 1] == 'o') click(w, QStringLiteral("Command%1").arg(8 + h));
            if (answers[h - 1] == 'a') click(w, QStringLiteral("Command%1").arg(1 + h));
        }
    };
}

std::function<void(GameWindow *, int)> stopAfter(int moment)
{
    return [moment](GameWindow *w, int k) {
        if (k == moment) click(w, "Command3");
    };
}

void pressStop(GameWindow *w)
{
    if (widget(w, "Command3")->isEnabled()) click(w, "Command3");
}

std::vector<Scenario> scenarios()
{
    std::vector<Scenario> all;

    // Slot machine: 897 frame steps of 4 ms, drawn at most once a display frame (16 or 20 ms at
    // 60 Hz), the last one when it is due; start rows 9, 4, 9 stop on three Japanese flags.
    all.push_back({.name = "slot jackpot",
                   .prepare =
                       [](Bench &b) {
                           for (int r : {9, 4, 9})
                               b.random.pushPick(r, slot::Rows);
                       },
                   .open = openOn<Slot>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           clickTimes(w, "Command2", 2);
                           click(w, "Command1");
                       },
                   .stakes = 2,
                   .payout = 400,
                   .winBox = "Label3",
                   .pauses = {4, 16, 20}});

    // Roulette: 40 ms, 100 ms and 250 ms steps of the light; lamp 3 is a 4, lamp 7 a 0. Two on
    // 4 and one on 2.
    for (auto [name, lamp, payout] :
         {std::tuple{"roulette stop on 4", 3, 8}, std::tuple{"roulette stop on 0", 7, 0}}) {
        all.push_back({.name = name,
                       .prepare = [lamp](Bench &b) { b.random.pushPick(lamp, roulette::Lamps); },
                       .open = openOn<Roter>,
                       .start =
                           [](Bench &, GameWindow *w) {
                               clickTimes(w, "Command3", 2);
                               click(w, "Command2");
                               click(w, "Command1");
                           },
                       .stakes = 3,
                       .payout = payout,
                       .winBox = "Label8",
                       .pauses = {40, 100, 250}});
    }

    // Treasure hunting: a find pauses 500 ms and leaves the question open, which closes with the
    // window (the stake stays taken and reaches the file with the next save); an empty chest
    // pauses 500 ms and shows the banner for 1000 ms, then saves the lost hunt.
    all.push_back({.name = "treasure find",
                   .open = openOn<Takara>,
                   .start = hunt(3, "g"),
                   .stakes = 3,
                   .payout = 0,
                   .pauses = {500},
                   .savesAtEnd = false});
    all.push_back({.name = "treasure empty chest",
                   .open = openOn<Takara>,
                   .start = hunt(2, "e"),
                   .stakes = 2,
                   .payout = 0,
                   .pauses = {500, 1000}});
    all.push_back({.name = "treasure empty after a find",
                   .open = openOn<Takara>,
                   .start = hunt(1, "ge"),
                   .stakes = 1,
                   .payout = 0,
                   .pauses = {500, 1000}});
    all.push_back({.name = "treasure second find",
                   .open = openOn<Takara>,
                   .start = hunt(1, "gg"),
                   .stakes = 1,
                   .payout = 0,
                   .pauses = {500},
                   .savesAtEnd = false});

    // Dice: 51 frames of 10, 100 and 300 ms, then the banner for a second. The last frame shows
    // 3 and 4 (outcome 15).
    const auto scriptThrow = [](Bench &b) {
        for (int i = 0; i < 2 * (dice::RollFrames - 1); ++i)
            b.random.pushPick(i % 6, 6);
        b.random.pushPick(2, 6);
        b.random.pushPick(3, 6);
    };
    all.push_back({.name = "dice win",
                   .prepare = scriptThrow,
                   .open = openOn<Dice>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           const int field = dice::fieldOf(15);
                           clickTimes(w, ui::indexed("Image2", 15), 2);
                           click(w, ui::indexed("Command1", field));
                           click(w, ui::indexed("Command2", dice::rowLine(field)));
                           click(w, "Command3");
                       },
                   .stakes = 4,
                   .payout = 2 * 36 + 9 + 3,
                   .winBox = "Label8",
                   .pauses = {10, 20, 100, 300, 1000}});
    all.push_back({.name = "dice loss",
                   .prepare = scriptThrow,
                   .open = openOn<Dice>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           clickTimes(w, ui::indexed("Image2", 0), 3);
                           click(w, "Command3");
                       },
                   .stakes = 3,
                   .payout = 0,
                   .winBox = "Label8",
                   .pauses = {10, 20, 100, 300, 1000}});

    // Oicho-Kabu: the dealer's draw (1.2 s), the settlement (1.1 s), the result (2.5 s); a dealer
    // who takes all goes straight to the result. The last OK or Again starts the dealer's play.
    const auto kabu = [&all](const char *name, Deal deal, std::array<int, 3> bets,
                             const char *answers, int payout, std::set<qint64> pauses) {
        all.push_back({.name = name,
                       .prepare = [deal](Bench &b) { scriptKabuDeal(b, deal); },
                       .open = openOn<Kabu>,
                       .start = kabuHands(bets, answers),
                       .stakes = bets[0] + bets[1] + bets[2],
                       .payout = payout,
                       .winBox = "Label10",
                       .pauses = pauses});
    };
    // 8 against the dealer's 5, who draws an ace: 6. The hand wins twice its stake.
    kabu("kabu dealer draws", {{{2, 3, 1}, {4, 4, 9}, {6, 7, 8}, {8, 7, 6}}}, {3, 0, 0}, "o--", 6,
         {1200, 1100, 2500});
    kabu("kabu dealer stands", {{{3, 4, 1}, {1, 1, 9}, {6, 7, 8}, {8, 7, 6}}}, {3, 0, 0}, "o--", 0,
         {1100, 2500});
    kabu("kabu dealer takes all", {{{1, 4, 2}, {5, 3, 9}, {6, 7, 8}, {8, 7, 6}}}, {2, 0, 0}, "o--",
         0, {2500});
    // Three threes on hand 1 (after Again) pay five times its stake; hand 3 (8 and 7: 5) stands
    // and loses to the dealer's 2 and 5 (7).
    kabu("kabu three of a kind", {{{2, 5, 1}, {3, 3, 3}, {6, 7, 8}, {8, 7, 6}}}, {2, 0, 1}, "a-o",
         10, {1100, 2500});

    // Mark: 1.1 s between cards, 1.9 s of result. Three hearts first win on the third card
    // (stake x 3 x 5); five cards without a heart lose after all five are turned.
    all.push_back({.name = "mark win on the third card",
                   .prepare =
                       [](Bench &b) {
                           scriptDraw(b.random, mark::DeckSize, {2, 5, 9, 40, 41});
                       },
                   .open = openOn<Card>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           clickTimes(w, "Command3", 2);
                           click(w, "Command1");
                       },
                   .stakes = 2,
                   .payout = 30,
                   .winBox = "Label16",
                   .pauses = {1100, 1900}});
    all.push_back({.name = "mark loss",
                   .prepare =
                       [](Bench &b) {
                           scriptDraw(b.random, mark::DeckSize, {40, 41, 14, 27, 52});
                       },
                   .open = openOn<Card>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           clickTimes(w, "Command3", 2);
                           click(w, "Label3"); // order mode
                           click(w, "Command1");
                       },
                   .stakes = 2,
                   .payout = 0,
                   .winBox = "Label16",
                   .pauses = {1100, 1900}});

    // Dog race: the start (200 ms), the race frames (25 ms), the result (2.5 s). One credit on
    // every pair, so that the race pays the odds of whichever pair comes in.
    all.push_back({.name = "dog race",
                   .open = openOn<Dango>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           for (int j = 0; j < dograce::Pairs; ++j)
                               click(w, ui::indexed("Command3", j));
                           click(w, "Command2");
                       },
                   .stakes = dograce::Pairs,
                   .winBox = "Label16",
                   .pauses = {200, 25, 2500}});

    // Premium: the highlight steps (80 ms) until STOP, the chosen number (500 ms). Closing before
    // STOP stops the highlight where it is, as STOP would. STOP after the fourth step chooses
    // number 6.
    all.push_back({.name = "premium purchase",
                   .prepare =
                       [](Bench &b) {
                           premiumFile(b, {1, 2});
                       },
                   .open = openOn<Winner>,
                   .start = [](Bench &, GameWindow *w) { click(w, "Command2"); },
                   .stakes = Winner::Price,
                   .payout = 0,
                   .pauses = {80, 500},
                   .afterMoment = stopAfter(4),
                   .actNow = pressStop});
    // The last piece (number 16) completes the puzzle: the pieces then vanish one by one, 100 ms
    // apart.
    all.push_back({.name = "premium completion",
                   .prepare =
                       [](Bench &b) {
                           std::set<int> owned;
                           for (int k = 0; k < 15; ++k)
                               owned.insert(k);
                           premiumFile(b, owned);
                       },
                   .open = openOn<Winner>,
                   .start = [](Bench &, GameWindow *w) { click(w, "Command2"); },
                   .stakes = Winner::Price,
                   .payout = 0,
                   .pauses = {80, 500, 100},
                   .afterMoment = stopAfter(14),
                   .actNow = pressStop});

    // Bingo: 30 ball frames of 100 ms and a reveal per draw, 1.5 s after each reveal, 2 s of
    // result, then the next deal. Bets on every card. The cards are all dealt alike (each column
    // c holds 6c + 1, 6, 5, 4, 3 from the top), and the first four balls complete their middle
    // row, so every card pays from the fourth draw on.
    all.push_back({.name = "bingo",
                   .prepare =
                       [](Bench &b) {
                           for (int i = 0; i < 4 * 5; ++i)
                               for (int left = 6; left > 0; --left)
                                   b.random.pushPick(0, left);
                           scriptDraw(b.random, 30, {5, 11, 23, 29});
                       },
                   .open = openOn<Bingo>,
                   .start =
                       [](Bench &, GameWindow *w) {
                           clickTimes(w, "Command2(0)", 2);
                           for (int k = 1; k < 4; ++k)
                               click(w, ui::indexed("Command2", k));
                           click(w, "Command1");
                       },
                   .stakes = 5,
                   .winBox = "Label11",
                   .pauses = {100, 1500, 2000}});
    return all;
}

const std::vector<Scenario> &allScenarios()
{
    static const std::vector<Scenario> all = scenarios();
    return all;
}

const Scenario &scenarioNamed(const QString &name)
{
    for (const Scenario &s : allScenarios())
        if (s.name == name) return s;
    qFatal("no scenario %s", qPrintable(name));
}

// A window of the scenario with its play just started.
struct Table
{
    std::unique_ptr<Bench> bench = std::make_unique<Bench>();
    QPointer<GameWindow> window;
    int moment = 0; // recorded moments passed

    explicit Table(const Scenario &s)
    {
        Bench &b = *bench;
        b.game.Credit = StartBalance;
        b.game.SaveCredit();
        if (s.prepare) s.prepare(b);
        topUp(b.random, 1234);
        window = s.open(b);
        s.start(b, window);
        QCoreApplication::sendPostedEvents();
    }
    ~Table()
    {
        if (window) window->leave();
        flushDeletes();
    }

    // Moves the clock to `at`, passing the recorded moments on the way as the reference did.
    void advanceTo(const Scenario &s, const std::vector<qint64> &moments, qint64 at)
    {
        Bench &b = *bench;
        while (moment < int(moments.size()) && moments[moment] <= at) {
            b.clock.advance(ui::Ms(moments[moment]) - b.clock.now());
            ++moment;
            if (s.afterMoment) s.afterMoment(window, moment);
            QCoreApplication::sendPostedEvents();
        }
        b.clock.advance(ui::Ms(at) - b.clock.now());
    }
};

// What a run ends with.
struct Outcome
{
    int credit = 0;
    QByteArray file;
    int loaded = 0; // the balance the file loads to
};

Outcome outcomeOf(const Bench &b)
{
    return {b.game.Credit, b.fileText(), loadedBalance(b)};
}

// The reference run of a scenario: its moments and what finishing and leaving give.
struct Reference
{
    qint64 started = 0;
    std::vector<qint64> moments;
    std::vector<qint64> pauses; // the gaps between them
    bool runningAtStart = false;
    std::int64_t payoutShown = 0; // the highest WIN box value seen
    Outcome outcome;
};

const Reference &referenceOf(const Scenario &s)
{
    static std::map<QString, Reference> done;
    auto it = done.find(s.name);
    if (it != done.end()) return it->second;
    Reference r;
    Table t(s);
    Bench &b = *t.bench;
    r.started = b.clock.now().count();
    r.runningAtStart = t.window->busy();
    const auto watchWin = [&] {
        if (!s.winBox.isEmpty())
            r.payoutShown = std::max<std::int64_t>(r.payoutShown, numberIn(t.window, s.winBox));
    };
    watchWin();
    // Every play here ends by itself (Premium's once its STOP is pressed); the bound only keeps a
    // play that never ends from hanging the test.
    qint64 last = r.started;
    while (!b.clock.idle() && r.moments.size() < 100000) {
        const qint64 due = b.clock.nextDue().count();
        b.clock.advance(ui::Ms(due) - b.clock.now());
        r.moments.push_back(due);
        r.pauses.push_back(due - last);
        last = due;
        if (s.afterMoment) s.afterMoment(t.window, int(r.moments.size()));
        QCoreApplication::sendPostedEvents();
        watchWin();
    }
    t.window->leave();
    r.outcome = outcomeOf(b);
    return done.emplace(s.name, std::move(r)).first->second;
}

// What closing at `at` gives when the outcome depends on the moment: the player acts there
// instead, the play runs to its end, and the window is left.
Outcome actingAt(const Scenario &s, const Reference &r, qint64 at)
{
    Table t(s);
    t.advanceTo(s, r.moments, at);
    s.actNow(t.window);
    finishPlay(*t.bench);
    t.window->leave();
    return outcomeOf(*t.bench);
}

} // namespace

class CloseDuringPlay : public QObject
{
    Q_OBJECT
private slots:
    // The reference runs themselves: each play runs through every kind of pause its game has,
    // and finishing it pays what the rules say and keeps the file in step.
    void referencePlay_data()
    {
        QTest::addColumn<QString>("scenario");
        for (const Scenario &s : allScenarios())
            QTest::newRow(qPrintable(s.name)) << s.name;
    }
    void referencePlay()
    {
        QFETCH(QString, scenario);
        const Scenario &s = scenarioNamed(scenario);
        const Reference &r = referenceOf(s);
        QVERIFY(r.runningAtStart);
        QVERIFY(!r.moments.empty());
        QCOMPARE(std::set<qint64>(r.pauses.begin(), r.pauses.end()), s.pauses);

        // Where the scenario leaves the payout to chance, its chance makes the play pay.
        const std::int64_t payout = s.payout >= 0 ? s.payout : r.payoutShown;
        if (s.payout < 0) QVERIFY(payout > 0);
        if (!s.winBox.isEmpty()) QCOMPARE(r.payoutShown, payout);
        QCOMPARE(std::int64_t(r.outcome.credit), StartBalance - s.stakes + payout);
        if (s.savesAtEnd)
            QCOMPARE(r.outcome.loaded, r.outcome.credit);
        else
            QCOMPARE(r.outcome.loaded, StartBalance);
    }

    void closeAtEveryMoment_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<qint64>("closeAt");
        for (const Scenario &s : allScenarios()) {
            const Reference &r = referenceOf(s);
            QTest::addRow("%s: at the start", qPrintable(s.name)) << s.name << r.started;
            qint64 before = r.started;
            for (std::size_t k = 0; k < r.moments.size(); ++k) {
                const qint64 at = r.moments[k];
                if (at - before >= 2)
                    QTest::addRow("%s: %lld ms, in pause %zu", qPrintable(s.name),
                                  (before + at) / 2, k + 1)
                        << s.name << (before + at) / 2;
                QTest::addRow("%s: %lld ms, as pause %zu ends", qPrintable(s.name), at, k + 1)
                    << s.name << at;
                before = at;
            }
        }
    }
    void closeAtEveryMoment()
    {
        QFETCH(QString, scenario);
        QFETCH(qint64, closeAt);
        const Scenario &s = scenarioNamed(scenario);
        const Reference &r = referenceOf(s);
        const Outcome expected = s.actNow ? actingAt(s, r, closeAt) : r.outcome;

        Table t(s);
        Bench &b = *t.bench;
        t.advanceTo(s, r.moments, closeAt);
        QPointer<GameWindow> w = t.window;
        QVERIFY(b.menu.isHidden());
        w->close();

        QVERIFY(b.clock.idle());
        QVERIFY(b.menu.isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(b.game.Credit, expected.credit);
        QCOMPARE(b.fileText(), expected.file);
        if (s.savesAtEnd) QCOMPARE(loadedBalance(b), b.game.Credit);
        flushDeletes();
        QVERIFY(w.isNull());
    }
};

ARCADE_TEST_MAIN(CloseDuringPlay)
#include "tst_matrix.moc"
