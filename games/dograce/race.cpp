// SPDX-License-Identifier: GPL-3.0-or-later
#include "race.h"

#include "store/numval.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace dograce {

bool fastAt(int type, int x)
{
    switch (type) {
    case 0:
        return x < 3400; // a finisher
    case 1:
        return x >= 5500; // a starter
    case 2:
        return x < 3200; // a late finisher
    case 4:
        return x > 3300 && x < 6000; // strong in the middle
    default:
        return false; // type 3 runs evenly
    }
}

int stepSize(int type, int x, double r)
{
    double f;
    if (type == 3)
        f = 6 * r + 1;
    else if (fastAt(type, x))
        f = 3 * r + 4;
    else
        f = 5 * r + 1;
    return int(std::floor(f)) * 10;
}

int scoreFromText(std::string_view text)
{
    const double v = NumVal(text);
    if (std::isnan(v)) return 0;
    // Held to the range before rounding, so that no value can overflow.
    return int(std::nearbyint(std::clamp(v, double(MinScore), double(MaxScore))));
}

int raisedScore(int score)
{
    return score < MaxScore ? score + 1 : MaxScore;
}

std::array<int, Types> typeFactors(const std::array<int, Types> &scores)
{
    std::int64_t sum = 0;
    for (int s : scores)
        sum += s;
    std::array<int, Types> factors{};
    for (int t = 0; t < Types; ++t) {
        const std::int64_t divisor = std::max(scores[t], 1);
        // Int(S / score - 1): floor division, also for a negative sum.
        std::int64_t q = sum / divisor;
        if (sum % divisor != 0 && sum < 0) --q;
        factors[t] = int(q - 1);
    }
    return factors;
}

int pairOdds(int factorA, int factorB)
{
    const std::int64_t sum = std::int64_t(factorA) + factorB;
    return int(std::clamp<std::int64_t>(sum, MinOdds, MaxOdds));
}

int winningPair(int laneA, int laneB)
{
    const int a = std::min(laneA, laneB);
    const int b = std::max(laneA, laneB);
    switch (a) {
    case 1:
        return b == 2 ? 0 : b == 3 ? 1 : b == 4 ? 2 : 3;
    case 2:
        return b == 3 ? 4 : b == 4 ? 5 : 6;
    case 3:
        return b == 4 ? 7 : 8;
    default:
        return 9;
    }
}

Race::Race(const std::array<int, Lanes> &laneTypes) : types_(laneTypes)
{
    x_.fill(StartLine);
}

Race::Race(const std::array<int, Lanes> &laneTypes, const std::array<int, Lanes> &positions)
    : types_(laneTypes), x_(positions)
{
}

std::vector<Race::Move> Race::frame(const std::array<int, Lanes> &order,
                                    const std::function<double()> &rnd)
{
    std::vector<Move> moves;
    for (int lane : order) {
        if (over()) break;
        if (lane < 0 || lane >= Lanes || lane == firstLane_) continue;
        Move m{lane, x_[lane], 0, 0};
        m.to = m.from - stepSize(types_[lane], m.from, rnd());
        x_[lane] = m.to;
        if (m.to <= GoalLine) {
            placed_[finishCount_] = lane;
            m.place = ++finishCount_;
            firstLane_ = lane;
        }
        moves.push_back(m);
    }
    return moves;
}

} // namespace dograce
