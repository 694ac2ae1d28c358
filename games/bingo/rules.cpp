// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"

#include "store/numval.h"

#include <algorithm>

namespace bingo {

int columnOf(int number)
{
    return std::clamp((number - 1) / 6, 0, 4);
}

BallFrame ballFrame(int t)
{
    const int column = ((t % 5) + 5) % 5;
    Hostess hostess = Hostess::EyesOpen;
    if (t == 2 || t == 17 || t == 27) hostess = Hostess::EyesClosed;
    if (t == 29) hostess = Hostess::MouthOpen;
    return {6 * column + t / 5 + 1, column, hostess};
}

std::int64_t settlementWin(const std::array<CardResult, 4> &cards)
{
    std::int64_t win = 0;
    for (const CardResult &c : cards)
        win += roundToInt64(c.odds * (c.bet * c.lines)).value_or(0);
    return win;
}

} // namespace bingo
