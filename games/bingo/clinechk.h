// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cell.h"

#include <array>
#include <cstdint>

// cLineChk: applies one drawn number to one card. BingoCheck marks the cell that carries the
// number and reveals the number in the drawn column; LineCheck counts and colours the card's
// twelve lines: a reach (exactly four cells marked) paints its marked cells yellow, a complete
// line paints all five red. One instance serves all four cards in turn.
class cLineChk
{
public:
    // The twelve lines in scan order: rows top to bottom, columns B to O, then the diagonals
    // from the top left and from the top right.
    static constexpr std::array<std::array<int, 5>, 12> Lines{{
        {0, 1, 2, 3, 4},
        {5, 6, 7, 8, 9},
        {10, 11, 12, 13, 14},
        {15, 16, 17, 18, 19},
        {20, 21, 22, 23, 24},
        {0, 5, 10, 15, 20},
        {1, 6, 11, 16, 21},
        {2, 7, 12, 17, 22},
        {3, 8, 13, 18, 23},
        {4, 9, 14, 19, 24},
        {0, 6, 12, 18, 24},
        {4, 8, 12, 16, 20},
    }};

    // Reach lines found by the last LineCheck.
    std::int16_t RichCheck() const { return rich_; }
    // The drawn-number column: element i holds the i-th number in its Tag.
    bingo::Cells Master;
    // Index into Master of the number to apply.
    std::int16_t Num = 0;
    // Marks the number Master(Num) on Canvas and shows it in Master(Num)'s caption. Does nothing
    // when Num lies outside Master.
    void BingoCheck();
    // Complete lines found by the last LineCheck.
    std::int16_t EndCheck() const { return end_; }
    // Counts and colours the reach and complete lines of Canvas.
    void LineCheck();
    // The 30-cell card to work on.
    bingo::Cells Canvas;

private:
    std::int16_t rich_ = 0;
    std::int16_t end_ = 0;
};
