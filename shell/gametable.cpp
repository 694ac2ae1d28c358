// SPDX-License-Identifier: GPL-3.0-or-later
#include "gametable.h"

#include "games/bingo/bingo.h"
#include "games/dice/dice.h"
#include "games/dograce/dango.h"
#include "games/kabu/kabu.h"
#include "games/mark/card.h"
#include "games/premium/winner.h"
#include "games/roulette/roter.h"
#include "games/slot/slot.h"
#include "games/treasure/takara.h"

namespace {
template <class W> GameEntry entry()
{
    return {W::form.name, W::form.caption,
            [](Context &c, QWidget *opener) -> GameWindow * { return new W(c, opener); }};
}
} // namespace

const std::vector<GameEntry> &gameTable()
{
    // clang-format off
    static const std::vector<GameEntry> table{
        entry<Bingo>(),
        entry<Slot>(),
        entry<Takara>(),
        entry<Roter>(),
        entry<Dice>(),
        entry<Kabu>(),
        entry<Dango>(),
        entry<Card>(),
        entry<Winner>(),
    };
    // clang-format on
    return table;
}

const GameEntry *findGame(const QString &form)
{
    for (const GameEntry &g : gameTable())
        if (g.form == form) return &g;
    return nullptr;
}
