// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <limits>

// The rules of the dice board: 36 ordered outcomes of two dice, nine fields A to I of four
// outcomes each on a 3 x 3 board, and six lines of three fields (the rows and the columns).
namespace dice {

constexpr int Faces = 6;
constexpr int Outcomes = 36;
constexpr int Fields = 9;
constexpr int Lines = 6;

// Credits returned per credit staked: 36 divided by the outcomes a bet covers (1, 4 or 12).
constexpr int PairPays = 36;
constexpr int FieldPays = 9;
constexpr int LinePays = 3;

// Outcome of a throw; each die is 0 to 5 (face 1 to 6), the first die is the left one.
constexpr int outcome(int first, int second)
{
    return Faces * first + second;
}
constexpr int firstDie(int outcome)
{
    return outcome / Faces;
}
constexpr int secondDie(int outcome)
{
    return outcome % Faces;
}

// The four outcomes of field k (0 = A .. 8 = I), in their order from top to bottom.
const std::array<int, 4> &outcomesOf(int field);
// The field an outcome lies in; -1 for a number that is no outcome.
int fieldOf(int outcome);
// The lines through field k: its row line and its column line.
constexpr int rowLine(int field)
{
    return field / 3;
}
constexpr int columnLine(int field)
{
    return 3 + field % 3;
}
// "A" .. "I" and "A+B+C" .. "C+F+I".
const char *fieldName(int field);
const char *lineName(int line);

// The stakes on the table, in credits. The counters are as wide as the balance, so no stake the
// balance allows can make one wrap; a counter that is full takes no more.
struct Bets
{
    using Count = std::int32_t;
    static constexpr Count Max = std::numeric_limits<Count>::max();

    std::array<Count, Outcomes> pair{};
    std::array<Count, Fields> field{};
    std::array<Count, Lines> line{};
};

// Credits returned by a throw: the outcome, its field and the two lines through that field.
// Computed wide, so that no stake the balance allows can overflow it.
std::int64_t payout(const Bets &bets, int outcome);

// The roll runs 51 frames; frame f lasts 10 ms (frames 0 to 39), 100 ms (40 to 45) or 300 ms
// (46 to 50). The dice of the last frame are the result.
constexpr int RollFrames = 51;
constexpr int frameMs(int frame)
{
    return frame < 40 ? 10 : frame < 46 ? 100 : 300;
}
// How long the result banner stays up after the payout.
constexpr int BannerMs = 1000;

} // namespace dice
