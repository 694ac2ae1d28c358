// SPDX-License-Identifier: GPL-3.0-or-later
// The odds table: plays every game's rules many times from one fixed seed and prints, for every
// kind of bet, the credits returned per credit staked, next to the exact value where the game
// allows one (by counting every outcome, or by a formula).
//
//   odds [plays [seed]]    plays per game (default 1000000), seed of the random source
//                          (default 20240601); prints a Markdown table
//
// The games' own rule code does the deciding: reels, wheel, dice board, the Bingo card maker,
// draw and line checker, the chest codes, the Oicho-Kabu hand rules, the Mark round and the dog
// race. What only a window does (the order of a Bingo game's reveals, the Oicho-Kabu dealer's
// play, a race's frames) is restated in small models next to each game below.
#include "bench/odds/kabu_model.h"
#include "games/bingo/cbingomake.h"
#include "games/bingo/clinechk.h"
#include "games/bingo/draw/cbingogo.h"
#include "games/bingo/rules.h"
#include "games/dice/dicerules.h"
#include "games/dograce/race.h"
#include "games/kabu/kaburules.h"
#include "games/mark/markrules.h"
#include "games/roulette/wheel.h"
#include "games/slot/reels.h"
#include "games/treasure/hunt.h"
#include "ui/random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t DefaultSeed = 20240601;

// The games' random source with one fixed seed. The games re-seed from the clock at fixed
// moments; here that is ignored, so the whole run follows the one seed and repeats exactly.
class SeededRandom final : public ui::Random
{
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double rnd() override { return double(engine_() >> 11) * 0x1.0p-53; }
    void reseed() override {}

private:
    std::mt19937_64 engine_;
};

// Mean and standard error of the credits returned per credit staked.
struct Stat
{
    double n = 0, sum = 0, squares = 0;
    void add(double x)
    {
        n += 1;
        sum += x;
        squares += x * x;
    }
    double mean() const { return n > 0 ? sum / n : 0; }
    double error() const
    {
        if (n < 2) return 0;
        const double m = mean();
        return std::sqrt(std::max(0.0, squares / n - m * m) / (n - 1));
    }
};

struct Row
{
    std::string game, bet;
    Stat measured;
    std::string exact; // empty when no exact value is known
};

std::string format(const char *pattern, double a, double b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

std::string exactText(double value)
{
    return format("%.4f", value);
}

// ---- Slot machine: three start rows, each Int(10 Rnd); the stake times the pay factor.

void slotRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    double exact = 0;
    for (int r1 = 0; r1 < slot::Rows; ++r1)
        for (int r2 = 0; r2 < slot::Rows; ++r2)
            for (int r3 = 0; r3 < slot::Rows; ++r3)
                exact += slot::spinFromStartRows(r1, r2, r3).PayFactor / 1000.0;
    Row row{"Slot machine", "any stake (pays stake × flag factor)", {}, exactText(exact)};
    for (long i = 0; i < plays; ++i) {
        const int r1 = random.pick(slot::Rows);
        const int r2 = random.pick(slot::Rows);
        const int r3 = random.pick(slot::Rows);
        row.measured.add(double(slot::payout(1, slot::spinFromStartRows(r1, r2, r3).PayFactor)));
    }
    rows.push_back(row);
}

// ---- Roulette: the stop lamp is Int(14 Rnd); a stake on n pays n on a lamp numbered n.

void rouletteRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    std::array<Row, roulette::StakeNumbers.size()> bets;
    for (std::size_t k = 0; k < bets.size(); ++k) {
        const int n = roulette::StakeNumbers[k];
        const int lamps =
            int(std::count(roulette::LampNumber.begin(), roulette::LampNumber.end(), n));
        bets[k] = {"Roulette",
                   "on " + std::to_string(n) + " (" + std::to_string(lamps) + " of 14 lamps)",
                   {},
                   format("%g/14 = %.4f", n * lamps, n * lamps / 14.0)};
    }
    for (long i = 0; i < plays; ++i) {
        const int stop = random.pick(roulette::Lamps);
        for (std::size_t k = 0; k < bets.size(); ++k) {
            roulette::Bets stake;
            *stake.of(roulette::StakeNumbers[k]) = 1;
            bets[k].measured.add(double(roulette::payout(stake, stop).value_or(0)));
        }
    }
    rows.insert(rows.end(), bets.begin(), bets.end());
}

// ---- Dice: two dice, each Int(6 Rnd). Every one of the 51 bets is counted exactly over the 36
// outcomes; one bet of each kind is also measured.

void diceRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    struct Kind
    {
        const char *name;
        int count;
        void (*place)(dice::Bets &, int);
    };
    const std::array<Kind, 3> kinds{{
        {"one outcome, pays 36 (measured on (1,1))", dice::Outcomes,
         [](dice::Bets &b, int i) { b.pair[i] = 1; }},
        {"one field, pays 9 (measured on A)", dice::Fields,
         [](dice::Bets &b, int i) { b.field[i] = 1; }},
        {"one line, pays 3 (measured on A+B+C)", dice::Lines,
         [](dice::Bets &b, int i) { b.line[i] = 1; }},
    }};
    std::array<Row, kinds.size()> out;
    std::array<dice::Bets, kinds.size()> measuredBet{};
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        // The credits returned over the 36 outcomes, for every bet of this kind.
        std::int64_t low = INT64_MAX, high = INT64_MIN;
        for (int i = 0; i < kinds[k].count; ++i) {
            dice::Bets bet;
            kinds[k].place(bet, i);
            std::int64_t returned = 0;
            for (int o = 0; o < dice::Outcomes; ++o)
                returned += dice::payout(bet, o);
            low = std::min(low, returned);
            high = std::max(high, returned);
        }
        const std::string exact = low == high ? format("%.4f (each of the %g)",
                                                       double(low) / dice::Outcomes, kinds[k].count)
                                              : format("%.4f to %.4f", double(low) / dice::Outcomes,
                                                       double(high) / dice::Outcomes);
        out[k] = {"Dice", kinds[k].name, {}, exact};
        kinds[k].place(measuredBet[k], 0);
    }
    for (long i = 0; i < plays; ++i) {
        const int first = random.pick(dice::Faces);
        const int second = random.pick(dice::Faces);
        const int outcome = dice::outcome(first, second);
        for (std::size_t k = 0; k < kinds.size(); ++k)
            out[k].measured.add(double(dice::payout(measuredBet[k], outcome)));
    }
    rows.insert(rows.end(), out.begin(), out.end());
}

// ---- Bingo: the window's deal and twelve reveals, on the card maker, the draw and the line
// checker. A card's odds freeze on the draw that completes its first line; it pays odds × bet ×
// the lines it has after the twelfth draw.

class PlainCell final : public bingo::Cell
{
public:
    std::string caption() const override { return caption_; }
    void setCaption(const std::string &text) override { caption_ = text; }
    std::string tag() const override { return tag_; }
    void setTag(const std::string &text) override { tag_ = text; }
    bingo::Rgb backColor() const override { return colour_; }
    void setBackColor(bingo::Rgb c) override { colour_ = c; }

private:
    std::string caption_, tag_ = "0";
    bingo::Rgb colour_;
};

template <std::size_t N> struct PlainCells
{
    std::array<PlainCell, N> cells;
    std::array<bingo::Cell *, N> pointers;
    PlainCells()
    {
        for (std::size_t i = 0; i < N; ++i)
            pointers[i] = &cells[i];
    }
    bingo::Cells span() const { return bingo::Cells(pointers.data(), N); }
};

void bingoRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    constexpr int Cards = 4;
    // The four cards are made alike, so one card stands for each; the second row stakes on all.
    Row oneCard{"Bingo", "one credit on one card (card A)", {}, {}};
    Row allCards{"Bingo", "one credit on each of the four cards", {}, {}};

    std::array<PlainCells<30>, Cards> card;
    PlainCells<bingo::Draws> master;
    for (long g = 0; g < plays; ++g) {
        // The deal: twelve hidden numbers, then the cards A to D.
        cBingoGo draw(random);
        draw.Total = 30;
        draw.Last = bingo::Draws;
        draw.Canvas = [&](int i, int value) { master.cells[i].setTag(std::to_string(value)); };
        draw.make();
        cBingoMake maker(random);
        for (auto &c : card) {
            maker.Canvas = c.span();
            maker.make();
        }
        cLineChk checker;
        checker.Master = master.span();
        std::array<int, Cards> lines{}, frozenOdds{};
        for (int n = 0; n < bingo::Draws; ++n) {
            checker.Num = std::int16_t(n);
            for (int k = 0; k < Cards; ++k) {
                checker.Canvas = card[k].span();
                checker.BingoCheck();
                checker.LineCheck();
                if (lines[k] < checker.EndCheck()) {
                    lines[k] = checker.EndCheck();
                    if (frozenOdds[k] == 0) frozenOdds[k] = bingo::DrawOdds[n];
                }
            }
        }
        // The settlement of the window: odds × (bet × lines) of each card; a card without a line
        // still shows the last draw's odds and adds nothing.
        std::array<bingo::CardResult, Cards> onA{}, onAll{};
        for (int k = 0; k < Cards; ++k) {
            const double odds = frozenOdds[k] ? frozenOdds[k] : bingo::DrawOdds.back();
            onAll[k] = {1, double(lines[k]), odds};
            if (k == 0) onA[k] = onAll[k];
        }
        oneCard.measured.add(double(bingo::settlementWin(onA)));
        allCards.measured.add(double(bingo::settlementWin(onAll)) / Cards);
    }
    rows.push_back(oneCard);
    rows.push_back(allCards);
}

// ---- Treasure hunting: the chests are dealt the codes 1 to 25; the player opens them one by
// one (which one does not matter: the deal is uniform) and takes the win after k finds.

void treasureRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    std::array<Row, treasure::GoldChests + 1> stops;
    for (int k = 1; k <= treasure::GoldChests; ++k) {
        // The chance of k finds in a row: 11/25 × 10/24 × ...
        double chance = 1;
        for (int i = 0; i < k; ++i)
            chance *= double(treasure::GoldChests - i) / (treasure::Chests - i);
        stops[k] = {"Treasure hunting",
                    "take the win after " + std::to_string(k) + (k == 1 ? " find" : " finds") +
                        " (×" + std::to_string(treasure::winFor(1, k)) + ")",
                    {},
                    exactText(double(treasure::winFor(1, k)) * chance)};
    }
    std::array<int, treasure::Chests> code{};
    for (long g = 0; g < plays; ++g) {
        cBingoGo deal(random);
        deal.Total = treasure::Chests;
        deal.Last = treasure::Chests;
        deal.Canvas = [&](int i, int value) { code[i] = value; };
        deal.make();
        int finds = 0;
        while (finds < treasure::GoldChests &&
               treasure::chestOf(code[finds]) == treasure::Chest::Gold)
            ++finds;
        for (int k = 1; k <= treasure::GoldChests; ++k)
            stops[k].measured.add(finds >= k ? double(treasure::winFor(1, k)) : 0.0);
    }
    rows.insert(rows.end(), stops.begin() + 1, stops.end());
}

// ---- Oicho-Kabu: fifteen cards dealt from 36; each betting hand takes a third card at or
// below a total; the dealer plays by its rule (bench/odds/kabu_model.h).

// Every way the six cards of the dealer and hand 1 can fall, weighted by its chance.
double kabuExactOneHand(kabumodel::Strategy strategy)
{
    const std::array<int, 6> order = {kabu::slotOf(0, 0), kabu::slotOf(1, 0), kabu::slotOf(0, 1),
                                      kabu::slotOf(1, 1), kabu::slotOf(0, 2), kabu::slotOf(1, 2)};
    kabumodel::Slots value{};
    std::array<int, 10> left{};
    left.fill(4);
    double expected = 0;
    const auto deal = [&](auto &self, int depth, double chance) -> void {
        if (depth == int(order.size())) {
            expected += chance * double(kabumodel::settle(value, {0, 1, 0, 0}, strategy));
            return;
        }
        for (int v = 1; v <= 9; ++v) {
            if (left[v] == 0) continue;
            const double p = chance * left[v] / (kabu::DeckSize - depth);
            --left[v];
            value[order[depth]] = v;
            self(self, depth + 1, p);
            ++left[v];
        }
    };
    deal(deal, 0, 1.0);
    return expected;
}

void kabuRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    const std::array<int, 6> thresholds = {-1, 3, 4, 5, 6, 9};
    const auto strategyName = [](int t) {
        return t < 0    ? std::string("always stand")
               : t >= 9 ? std::string("always draw")
                        : "draw at " + std::to_string(t) + " or less";
    };
    std::vector<Row> one, three;
    for (int t : thresholds) {
        one.push_back(
            {"Oicho-Kabu", "one hand, " + strategyName(t), {}, exactText(kabuExactOneHand({t}))});
        three.push_back({"Oicho-Kabu", "all three hands, " + strategyName(t), {}, {}});
    }
    kabumodel::Slots value{};
    for (long g = 0; g < plays; ++g) {
        cBingoGo deal(random);
        deal.Total = kabu::DeckSize;
        deal.Last = kabu::SlotCount;
        deal.Canvas = [&](int i, int n) { value[i] = kabu::cardOfTag(std::to_string(n)).value; };
        deal.make();
        for (std::size_t s = 0; s < thresholds.size(); ++s) {
            const kabumodel::Strategy strategy{thresholds[s]};
            one[s].measured.add(double(kabumodel::settle(value, {0, 1, 0, 0}, strategy)));
            three[s].measured.add(double(kabumodel::settle(value, {0, 1, 1, 1}, strategy)) / 3);
        }
    }
    rows.insert(rows.end(), one.begin(), one.end());
    rows.insert(rows.end(), three.begin(), three.end());
}

// ---- Mark: five cards from 52; the choices stay as set for the whole play.

void markRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    using mark::Mode;
    struct Choice
    {
        Mode mode;
        std::array<int, mark::Choices> suits;
        const char *name;
    };
    const std::array<Choice, 8> choices{{
        {Mode::Combination, {1, 2, 3}, "combination, three different suits (♥♣♦)"},
        {Mode::Combination, {1, 1, 2}, "combination, a suit twice (♥♥♣)"},
        {Mode::Combination, {1, 1, 1}, "combination, one suit three times (♥♥♥)"},
        {Mode::Order, {1, 2, 3}, "order, three different suits (♥♣♦)"},
        {Mode::Order, {1, 1, 2}, "order, ♥♥♣"},
        {Mode::Order, {1, 2, 1}, "order, ♥♣♥"},
        {Mode::Order, {1, 2, 2}, "order, ♥♣♣"},
        {Mode::Order, {1, 1, 1}, "order, ♥♥♥"},
    }};
    // Exact: every sequence of five suits, weighted by its chance from a 52-card deck.
    std::vector<Row> out;
    for (const Choice &c : choices) {
        double expected = 0;
        std::array<int, 5> suit{};
        for (int code = 0; code < 1024; ++code) {
            std::array<int, 5> left{0, 13, 13, 13, 13};
            double chance = 1;
            for (int i = 0; i < mark::CardsDealt; ++i) {
                suit[i] = (code >> (2 * i)) % 4 + 1;
                chance *= double(left[suit[i]]--) / (mark::DeckSize - i);
            }
            mark::Round round(c.mode);
            for (int s : suit)
                round.turn(s, c.suits);
            expected += chance * double(round.payout(1));
        }
        out.push_back({"Mark", c.name, {}, exactText(expected)});
    }
    std::array<int, mark::CardsDealt> suit{};
    for (long g = 0; g < plays; ++g) {
        cBingoGo deal(random);
        deal.Total = mark::DeckSize;
        deal.Last = mark::CardsDealt;
        deal.Canvas = [&](int i, int n) { suit[i] = mark::cardOfTag(std::to_string(n)).suit; };
        deal.make();
        for (std::size_t k = 0; k < choices.size(); ++k) {
            mark::Round round(choices[k].mode);
            for (int s : suit)
                round.turn(s, choices[k].suits);
            out[k].measured.add(double(round.payout(1)));
        }
    }
    rows.insert(rows.end(), out.begin(), out.end());
}

// ---- Dog race: the default type scores, kept for every race (as for a player who starts from
// a fresh settings file). The types are dealt to the lanes, each frame moves the dogs in a fresh
// order, and the first two to reach the goal line decide the pair.

void dograceRows(std::vector<Row> &rows, ui::Random &random, long plays)
{
    using namespace dograce;
    const char *const colour[Types] = {"red", "light blue", "white", "yellow", "magenta"};
    const auto factors = typeFactors(DefaultScores);
    // Each pair of types, whichever lanes the draw gives them, and each bet button.
    std::array<Row, Pairs> typePairs;
    std::array<std::array<int, Types>, Types> typePairIndex{};
    for (int a = 0, j = 0; a < Types; ++a)
        for (int b = a + 1; b < Types; ++b, ++j) {
            typePairIndex[a][b] = typePairIndex[b][a] = j;
            typePairs[j] = {"Dog race",
                            std::string(colour[a]) + " + " + colour[b] + " (odds " +
                                std::to_string(pairOdds(factors[a], factors[b])) + ")",
                            {},
                            {}};
        }
    // The lanes are alike (the order of moves is drawn afresh every frame), so one button stands
    // for each.
    Row button{"Dog race", "button 1-2, whatever dogs the draw puts in lanes 1 and 2", {}, {}};

    const auto shuffle = [&](std::array<int, Lanes> &into) {
        cBingoGo draw(random);
        draw.Total = Lanes;
        draw.Last = Lanes;
        draw.Canvas = [&](int i, int value) { into[i] = value - 1; };
        draw.make();
    };
    std::array<int, Lanes> types{}, order{};
    const std::function<double()> rnd = [&] { return random.rnd(); };
    for (long g = 0; g < plays; ++g) {
        shuffle(types); // lane i runs type types[i]
        std::array<int, Pairs> odds{};
        for (int j = 0; j < Pairs; ++j)
            odds[j] =
                pairOdds(factors[types[PairLanes[j].a - 1]], factors[types[PairLanes[j].b - 1]]);
        Race race(types);
        while (!race.over()) {
            shuffle(order);
            race.frame(order, rnd);
        }
        const int won = winningPair(race.placed()[0] + 1, race.placed()[1] + 1);
        for (int j = 0; j < Pairs; ++j) {
            const double pays = j == won ? odds[j] : 0;
            if (j == 0) button.measured.add(pays);
            const int a = types[PairLanes[j].a - 1], b = types[PairLanes[j].b - 1];
            typePairs[typePairIndex[a][b]].measured.add(pays);
        }
    }
    rows.insert(rows.end(), typePairs.begin(), typePairs.end());
    rows.push_back(button);
}

} // namespace

int main(int argc, char *argv[])
{
    long plays = 1000000;
    std::uint64_t seed = DefaultSeed;
    char *end = nullptr;
    if (argc > 1) plays = std::strtol(argv[1], &end, 10);
    const bool badPlays = argc > 1 && (*end != '\0' || plays < 100);
    if (argc > 2) seed = std::strtoull(argv[2], &end, 10);
    if (badPlays || (argc > 2 && *end != '\0') || argc > 3) {
        std::fprintf(stderr, "usage: odds [plays [seed]]   (plays per game, at least 100)\n");
        return 2;
    }
    SeededRandom random(seed);
    std::vector<Row> rows;
    slotRows(rows, random, plays);
    rouletteRows(rows, random, plays);
    diceRows(rows, random, plays);
    bingoRows(rows, random, plays);
    treasureRows(rows, random, plays);
    kabuRows(rows, random, plays);
    markRows(rows, random, plays);
    dograceRows(rows, random, plays);

    std::printf("Credits returned per credit staked; %ld plays per game, seed %llu.\n\n", plays,
                static_cast<unsigned long long>(seed));
    std::printf("| Game | Bet | Measured (± standard error) | Exact |\n");
    std::printf("|---|---|---|---|\n");
    for (const Row &r : rows)
        std::printf("| %s | %s | %.4f ± %.4f | %s |\n", r.game.c_str(), r.bet.c_str(),
                    r.measured.mean(), r.measured.error(), r.exact.empty() ? "" : r.exact.c_str());
    return 0;
}
