// SPDX-License-Identifier: GPL-3.0-or-later
#include "cbingogo.h"

#include <algorithm>
#include <array>

void cBingoGo::make()
{
    random_.reseed();
    const int total = std::clamp<int>(Total, 0, MaxTotal);
    std::array<std::int16_t, MaxTotal> pool{}, pick{};
    for (int i = 0; i < total; ++i) pool[i] = std::int16_t(i + 1);
    // The last entry not yet taken moves into the slot just emptied; the whole order is built
    // even when fewer values are wanted, so the draw uses the same chance either way.
    for (int i = 0; i < total; ++i) {
        const int r = std::clamp(random_.pick(total - i), 0, total - 1 - i);
        pick[i] = pool[r];
        pool[r] = pool[total - 1 - i];
    }
    const int last = std::clamp<int>(Last, 0, total);
    if (!Canvas) return;
    for (int i = 0; i < last; ++i) Canvas(i, pick[i]);
}
