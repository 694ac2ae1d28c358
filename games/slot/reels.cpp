// SPDX-License-Identifier: GPL-3.0-or-later
#include "reels.h"

#include <algorithm>

namespace slot {

int flagFactor(Flag flag)
{
    switch (flag) {
    case Flag::Japan:
        return 200;
    case Flag::Germany:
        return 50;
    case Flag::USA:
        return 10;
    case Flag::UK:
        return 5;
    }
    return 0;
}

Spin spinFromStartRows(int r1, int r2, int r3)
{
    // Reel 1 travels 121 rows, reel 2 146 and reel 3 171: modulo the 10-row cycle 1, 6 and 1.
    const std::array<int, 3> rows = {(r1 + 1) % Rows, (r2 + 6) % Rows, (r3 + 1) % Rows};
    return {rows, payFactor(rows)};
}

int payFactor(const std::array<int, 3> &rows)
{
    for (int r : rows)
        if (r < 0 || r >= Rows) return 0;
    const Flag first = Strip[rows[0]];
    const bool same =
        std::all_of(rows.begin(), rows.end(), [&](int r) { return Strip[r] == first; });
    return same ? flagFactor(first) : 0;
}

int reelStep(int reel, int frame)
{
    // Reel k keeps each speed a hundred frames longer than the reel to its left.
    const int i = frame - 100 * reel;
    if (i <= 400) return 120;
    if (i <= 500) return 60;
    if (i <= 600) return 30;
    if (i <= 696) return 10;
    return 0;
}

Reels::Reels(const std::array<int, 3> &startRows)
{
    for (int k = 0; k < 3; ++k)
        offset_[k] = startRows[k] * RowTwips;
}

void Reels::frame(int i)
{
    for (int k = 0; k < 3; ++k) {
        offset_[k] += reelStep(k, i);
        if (offset_[k] >= WrapTwips) offset_[k] -= WrapTwips;
    }
}

} // namespace slot
