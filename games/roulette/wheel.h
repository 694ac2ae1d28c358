// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

// The rules of the roulette: the ring of fourteen lamps with their numbers, the stakes on the
// four numbers, the run of the light and the payout. No window in sight.
namespace roulette {

constexpr int Lamps = 14;
// The number beside each lamp, clockwise from the top.
constexpr std::array<int, Lamps> LampNumber = {0, 6, 2, 4, 2, 2, 10, 0, 4, 2, 6, 2, 4, 2};
// The numbers that take stakes, in the order of their buttons.
constexpr std::array<int, 4> StakeNumbers = {2, 4, 6, 10};

// Units staked on 2, 4, 6 and 10 for the next run. Counters are wide: a balance can never buy
// enough units to overflow them, and a stake box showing counter x number cannot wrap.
struct Bets
{
    std::int64_t Bet2 = 0, Bet4 = 0, Bet6 = 0, Bet10 = 0;
    // The counter of number n (2, 4, 6 or 10); nullptr for any other number.
    std::int64_t *of(int n);
    std::int64_t of(int n) const;
    // What a stop on n would pay: counter x n.
    std::int64_t wins(int n) const { return of(n) * n; }
};

// The payout of a run that stops on lamp stopLamp: the stake on the lamp's number times that
// number (0 when nothing was staked on it). A stop on 0 pays nothing and gives no payout at all
// (nullopt): the WIN box is then left as it is.
std::optional<std::int64_t> payout(const Bets &bets, int stopLamp);

// The light runs StopLamp + 98 steps from lamp 0: seven full turns and StopLamp more.
constexpr int steps(int stopLamp)
{
    return stopLamp + 98;
}
// The pause after step i: 40 ms for all but the last 16 steps, then 100 ms ten times and
// 250 ms for the last six.
std::chrono::milliseconds stepPause(int step, int stopLamp);

} // namespace roulette
