// SPDX-License-Identifier: GPL-3.0-or-later
#include "cbingomake.h"

#include <algorithm>
#include <array>
#include <string>

void cBingoMake::make()
{
    if (Canvas.size() < std::size_t(bingo::CardCells)) return;
    constexpr int Range = 6; // numbers per column
    for (int c = 0; c < 5; ++c) {
        std::array<std::int16_t, 16> pool{}, pick{};
        for (int j = 0; j < Range; ++j)
            pool[j] = std::int16_t(j + 1);
        // The last entry not yet taken moves into the slot just emptied, so the six picks are a
        // random order of 1..6; the sixth is left off the card.
        for (int j = 0; j < Range; ++j) {
            const int r = std::clamp(random_.pick(Range - j), 0, Range - 1 - j);
            pick[j] = pool[r];
            pool[r] = pool[Range - 1 - j];
        }
        for (int j = 0; j < 5; ++j) {
            bingo::Cell *cell = Canvas[5 * j + c];
            cell->setCaption(std::to_string(6 * c + pick[j]));
            cell->setTag("0");
        }
    }
    bingo::Cell *centre = Canvas[bingo::CentreCell];
    centre->setCaption("*");
    centre->setBackColor(bingo::LightGrey);
    centre->setTag("1");
}
