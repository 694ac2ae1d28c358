// SPDX-License-Identifier: GPL-3.0-or-later
#include "kabu_model.h"

namespace kabumodel {

std::int64_t settle(const Slots &value, Bets bets, Strategy strategy)
{
    using namespace kabu;
    std::array<int, HandCount> total{};
    // The first cards are open from the deal.
    for (int h = 0; h < HandCount; ++h)
        total[h] = value[slotOf(h, 0)];

    // START turns each betting hand's second card; the player then stands or takes a third.
    for (int h = 1; h < HandCount; ++h) {
        if (bets[h] <= 0) continue;
        total[h] = addCard(total[h], value[slotOf(h, 1)]);
        if (total[h] <= strategy.drawAtMost) total[h] = addCard(total[h], value[slotOf(h, 2)]);
    }

    // The dealer's play. Hands without a bet never turned their second card and count as 0.
    for (int h = 1; h < HandCount; ++h)
        if (bets[h] <= 0) total[h] = 0;
    std::int64_t payout = 0;
    total[0] = addCard(total[0], value[slotOf(0, 1)]);
    if (dealerTakesAll(total[0], value[slotOf(0, 1)])) {
        for (int h = 1; h < HandCount; ++h)
            total[h] = 0;
        total[0] = 9;
    } else {
        int n = 0, w = 0, t = 0;
        for (int h = 1; h < HandCount; ++h) {
            if (bets[h] <= 0) continue;
            ++n;
            if (total[h] > total[0]) ++w;
            if (total[h] == total[0]) ++t;
        }
        if (DEALER_DRAWS(n, w, t, total[0])) total[0] = addCard(total[0], value[slotOf(0, 2)]);
        // Three of a kind pays five times the bet and nothing more for that hand.
        for (int h = 1; h < HandCount; ++h) {
            if (!threeOfAKind(value, h)) continue;
            payout += 5 * bets[h];
            bets[h] = 0;
        }
    }

    for (int h = 1; h < HandCount; ++h) {
        if (total[h] > total[0])
            payout += 2 * bets[h];
        else if (total[h] == total[0])
            payout += bets[h];
    }
    return payout;
}

} // namespace kabumodel
