// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel.h"

namespace roulette {

std::int64_t *Bets::of(int n)
{
    switch (n) {
    case 2:
        return &Bet2;
    case 4:
        return &Bet4;
    case 6:
        return &Bet6;
    case 10:
        return &Bet10;
    }
    return nullptr;
}

std::int64_t Bets::of(int n) const
{
    switch (n) {
    case 2:
        return Bet2;
    case 4:
        return Bet4;
    case 6:
        return Bet6;
    case 10:
        return Bet10;
    }
    return 0;
}

std::optional<std::int64_t> payout(const Bets &bets, int stopLamp)
{
    if (stopLamp < 0 || stopLamp >= Lamps) return std::nullopt;
    const int n = LampNumber[stopLamp];
    if (n == 0) return std::nullopt;
    return bets.wins(n);
}

std::chrono::milliseconds stepPause(int step, int stopLamp)
{
    using std::chrono::milliseconds;
    if (step < stopLamp + 82) return milliseconds(40);
    if (step < stopLamp + 92) return milliseconds(100);
    return milliseconds(250);
}

} // namespace roulette
