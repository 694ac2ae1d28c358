// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/kabu/kaburules.h"

#include <array>
#include <cstdint>

// The play of one Oicho-Kabu deal from the player's choices to the settlement, as the window
// runs it (its START, OK / Again and dealer's play), on the rule functions of games/kabu. The
// window keeps this sequence in its handlers, so it is restated here without any widget: the
// dealer's second card, the dealer-takes-all test, the third-card decision, the three-of-a-kind
// bonus and the comparison of totals.
namespace kabumodel {

using Slots = std::array<int, kabu::SlotCount>; // the value dealt to each slot

// Credits staked on hands 1 to 3 (element 0, the dealer, is unused).
using Bets = std::array<std::int64_t, kabu::HandCount>;

// The player's rule for each betting hand: take a third card when the two-card total is at most
// drawAtMost (-1: always stand; 9: always draw).
struct Strategy
{
    int drawAtMost = -1;
};

// The credits returned by the settlement of this deal (the stakes were taken at BET).
std::int64_t settle(const Slots &value, Bets bets, Strategy strategy);

} // namespace kabumodel
