// SPDX-License-Identifier: GPL-3.0-or-later
#include "clinechk.h"

#include "store/numval.h"

void cLineChk::BingoCheck()
{
    if (Num < 0 || std::size_t(Num) >= Master.size()) return;
    bingo::Cell *drawn = Master[std::size_t(Num)];
    const std::string number = drawn->tag();
    if (Canvas.size() >= std::size_t(bingo::CardCells)) {
        for (int i = 0; i < bingo::CardCells; ++i) {
            bingo::Cell *cell = Canvas[i];
            if (cell->caption() == number) {
                cell->setBackColor(bingo::LightGrey);
                cell->setTag("1");
            }
        }
    }
    drawn->setCaption(number);
}

void cLineChk::LineCheck()
{
    rich_ = 0;
    end_ = 0;
    if (Canvas.size() < std::size_t(bingo::CardCells)) return;
    // Reach pass first, so that a cell on both a reach line and a complete line ends red.
    for (const auto &line : Lines) {
        double sum = 0;
        for (int i : line)
            sum += NumVal(Canvas[i]->tag());
        if (sum != 4) continue;
        ++rich_;
        for (int i : line)
            if (Canvas[i]->tag() == "1") Canvas[i]->setBackColor(bingo::Yellow);
    }
    for (const auto &line : Lines) {
        bool complete = true;
        for (int i : line)
            if (Canvas[i]->tag() != "1") {
                complete = false;
                break;
            }
        if (!complete) continue;
        ++end_;
        for (int i : line)
            Canvas[i]->setBackColor(bingo::Red);
    }
}
