// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The rules of the treasure hunt, without any window: what a chest's code means, the doubling
// ladder of the win, and which controls each state of the window leaves enabled.
namespace treasure {

inline constexpr int Chests = 25;     // a 5 x 5 grid, dealt the codes 1 to 25
inline constexpr int GoldChests = 11; // codes 1 to 11 hold gold, 12 to 25 are empty
inline constexpr int FoundCode = 100; // a chest whose gold was found in this hunt

// What a click on a chest with this code does.
enum class Chest {
    Gold,  // a find: the win doubles
    Empty, // the hunt is lost
    Found, // gold already found in this hunt: nothing
    None,  // no code dealt: nothing
};
Chest chestOf(int code);

// The win after `finds` finds: stake x 2^finds, wide enough for any 32-bit stake.
std::int64_t winFor(std::int64_t stake, int finds);
// The factor the question offers after `finds` finds: 2^(finds + 1).
std::int64_t nextFactor(int finds);

// The states of the window.
enum class State {
    Idle,     // after loading, after a loss, after "No"
    Staked,   // a stake waits for START; a background click shows the hint
    Hint,     // the hint panel is shown
    Hunting,  // the chests wait for a click
    Found,    // the pause after a find
    Question, // "Yes" or "No"
    Lost,     // the empty chest and the losing banner
};

// The controls outside the panels that a state leaves enabled. The panels' own buttons ("Ｏ Ｋ",
// "Yes", "No") act whenever their panel is shown.
struct Controls
{
    bool bet = false;
    bool start = false;
    bool playOut = false;
    bool chests = false;
};
Controls controlsIn(State state);

} // namespace treasure
