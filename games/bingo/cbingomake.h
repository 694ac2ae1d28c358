// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cell.h"
#include "ui/random.h"

// cBingoMake: fills one bingo card. Column c (0 = B .. 4 = O) takes five of the six numbers
// 6c+1 .. 6c+6 in random order; the centre becomes the free cell "*", light grey and marked.
// The header cells (25..29) and the colours of the other cells are left alone.
class cBingoMake
{
public:
    explicit cBingoMake(ui::Random &random) : random_(random) {}

    // Fills the card held in Canvas. Does not seed the random source: the deal does that once.
    void make();
    // The 30-cell card to fill; set before make.
    bingo::Cells Canvas;

private:
    ui::Random &random_;
};
