// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cell.h"

#include <array>
#include <cstdint>

// The fixed numbers of a Bingo game: odds by draw, column colours, the ball animation and the
// settlement.
namespace bingo {

inline constexpr int Draws = 12;      // numbers drawn in a game
inline constexpr int BallFrames = 30; // animation frames before each reveal
inline constexpr int FrameMs = 100;   // each animation frame, and the tick that reveals
inline constexpr int AfterRevealMs = 1500;
inline constexpr int ResultMs = 2000; // the result display; recognised by this interval

// The odds of each draw (index: numbers revealed before it). A card whose first line completes
// on that draw is paid at those odds.
inline constexpr std::array<int, Draws> DrawOdds{500, 500, 500, 500, 250, 120, 60, 30, 16, 8, 4, 2};

// The colours of the columns B, I, N, G, O (the card headers and the ball).
inline constexpr std::array<Rgb, 5> ColumnColours{
    {{255, 128, 0}, {0, 255, 255}, {128, 128, 255}, {0, 255, 0}, {255, 0, 255}}};

// The column of a number 1..30 (0 = B .. 4 = O); numbers outside are held to the nearest.
int columnOf(int number);

// What frame t (0..29) of the ball animation shows: the numbers run 1, 7, 13, 19, 25, 2, 8, ...
// through 30, each in its column's colour, while the hostess blinks and finally speaks.
enum class Hostess { EyesOpen, EyesClosed, MouthOpen };
struct BallFrame
{
    int number;
    int column;
    Hostess hostess;
};
BallFrame ballFrame(int t);

// One card at the settlement, as the numeric values of its BET, LINE and ODDS boxes.
struct CardResult
{
    double bet = 0;
    double lines = 0;
    double odds = 0;
};
// The win of a settlement: odds x (bet x lines) of each card, rounded, summed. Computed wide,
// since bets have no limit and the sum can pass 32767.
std::int64_t settlementWin(const std::array<CardResult, 4> &cards);

} // namespace bingo
