// SPDX-License-Identifier: GPL-3.0-or-later
#include "kaburules.h"

#include <string>

namespace kabu {

Card cardOf(int number)
{
    return {(number - 1) % 9 + 1, (number - 1) / 9 + 1};
}

Card cardOfTag(std::string_view tag)
{
    for (int n = 1; n < DeckSize; ++n)
        if (tag == std::to_string(n)) return cardOf(n);
    return {9, 4};
}

int addCard(int total, int value)
{
    total += value;
    return total > 9 ? total - 10 : total;
}

bool dealerTakesAll(int dealerTotal, int secondValue)
{
    return (dealerTotal == 5 && (secondValue == 1 || secondValue == 4)) ||
           (dealerTotal == 0 && (secondValue == 9 || secondValue == 1));
}

bool threeOfAKind(const std::array<int, SlotCount> &slotValue, int hand)
{
    const int first = slotValue[slotOf(hand, 0)];
    return first == slotValue[slotOf(hand, 1)] && first == slotValue[slotOf(hand, 2)];
}

bool DEALER_DRAWS(int n, int w, int t, int D)
{
    switch (n) {
    case 1:
        return w == 1 || (t == 1 && D <= 3);
    case 2:
        return w == 2 || (w == 1 && t == 1 && D <= 3) || (w == 0 && t == 2 && D <= 3);
    default: // three betting hands; with none, w and t are 0 and the dealer stands
        return w == 3 || (w == 2 && t == 0 && D <= 6) || (w == 2 && t == 1 && D <= 7) ||
               (w == 1 && t >= 1 && D <= 5) || (w == 0 && t >= 2 && D <= 3);
    }
}

} // namespace kabu
