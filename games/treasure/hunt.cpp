// SPDX-License-Identifier: GPL-3.0-or-later
#include "hunt.h"

#include <algorithm>

namespace treasure {

Chest chestOf(int code)
{
    if (code == FoundCode) return Chest::Found;
    if (code >= GoldChests + 1) return Chest::Empty;
    if (code >= 1) return Chest::Gold;
    return Chest::None;
}

std::int64_t winFor(std::int64_t stake, int finds)
{
    // At most 2^11 times a 32-bit stake; the clamp only keeps a stray count from shifting out.
    return stake << std::clamp(finds, 0, GoldChests);
}

std::int64_t nextFactor(int finds)
{
    return std::int64_t(1) << (std::clamp(finds, 0, GoldChests) + 1);
}

Controls controlsIn(State state)
{
    switch (state) {
    case State::Idle:
        return {.bet = true, .playOut = true};
    case State::Staked:
        return {.bet = true, .start = true};
    case State::Hunting:
        return {.chests = true};
    case State::Hint:
    case State::Found:
    case State::Question:
    case State::Lost:
        return {};
    }
    return {};
}

} // namespace treasure
