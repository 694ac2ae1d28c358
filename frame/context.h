// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/game_c.h"
#include "ui/random.h"
#include "ui/scheduler.h"

// What every window of the arcade shares: the clock, chance and the credit store.
// The program passes the real ones; a test passes a virtual clock and scripted chance.
struct Context
{
    ui::Scheduler &clock;
    ui::Random &random;
    Game_C &game;
};
