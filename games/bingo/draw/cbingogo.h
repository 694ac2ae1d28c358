// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/random.h"

#include <cstdint>
#include <functional>

// cBingoGo: draws numbers without repetition. It shuffles 1 to Total into a random order and
// hands the first Last of them, one by one, to Canvas (element index, value). Bingo draws its
// twelve balls with it; Treasure hunting, Oicho-Kabu, Mark and the dog race deal with it.
class cBingoGo
{
public:
    static constexpr int MaxTotal = 76; // the size of the working lists

    explicit cBingoGo(ui::Random &random) : random_(random) {}

    std::int16_t Total = 0;
    std::int16_t Last = 0;
    std::function<void(int index, int value)> Canvas;

    // Re-seeds the random source and draws. Total is held to 0..76 and Last to 0..Total.
    void make();

private:
    ui::Random &random_;
};
