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
template <class W> GameWindow *make(Context &c, QWidget *opener) { return new W(c, opener); }
} // namespace

const std::vector<GameEntry> &gameTable()
{
    static const std::vector<GameEntry> table{
        {"Bingo", "BINGO", make<Bingo>},
        {"Slot", "Slot Machine", make<Slot>},
        {"Takara", "Treasure Hunting", make<Takara>},
        {"Roter", "Roulette", make<Roter>},
        {"Dice", "Dice", make<Dice>},
        {"Kabu", "Oicyo Kabu", make<Kabu>},
        {"Dango", "Dog Race", make<Dango>},
        {"Card", "Mark", make<Card>},
        {"Winner", "Premium", make<Winner>},
    };
    return table;
}

const GameEntry *findGame(const QString &form)
{
    for (const GameEntry &g : gameTable())
        if (g.form == form) return &g;
    return nullptr;
}
