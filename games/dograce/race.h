// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The rules of the dog race: the running styles of the five dog types, the odds from the type
// scores, the winning pair from the two placed lanes, and the race itself frame by frame.
// Lanes are 0 to 4 here and shown as 1 to 5; positions are the left edge of a dog in twips.
namespace dograce {

inline constexpr int Lanes = 5;
inline constexpr int Types = 5;
inline constexpr int Pairs = 10;
inline constexpr int StartLine = 7680;
inline constexpr int GoalLine = 720;
// FirstLane while no dog has finished.
inline constexpr int NoLane = 9;

// Scores are 16-bit numbers; a score stops at the top instead of wrapping.
inline constexpr int MinScore = -32768;
inline constexpr int MaxScore = 32767;
inline constexpr std::array<int, Types> DefaultScores{16, 23, 33, 26, 17};
inline constexpr std::array<const char *, Types> ScoreKeys{"TYPE-1", "TYPE-2", "TYPE-3", "TYPE-4",
                                                           "TYPE-5"};

inline constexpr int MinOdds = 1;
inline constexpr int MaxOdds = 99;

// The two lanes of each bet, as shown (1 to 5), in the order of the bet buttons.
struct Pair
{
    int a, b;
};
inline constexpr std::array<Pair, Pairs> PairLanes{
    {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};

// True where the type runs its fast stride (40, 50 or 60 twips) at position x.
bool fastAt(int type, int x);
// The move of one frame for a dog of this type standing at x, from one draw r in [0, 1):
// Int(3r + 4) * 10 on its fast stretch, Int(5r + 1) * 10 elsewhere, Int(6r + 1) * 10 for the
// even runner (type 3).
int stepSize(int type, int x, double r);

// A score as read from the settings file: the leading number, rounded to the nearest integer
// (ties to even) and held to the 16-bit range. A text without a number gives 0.
int scoreFromText(std::string_view text);
// A score after its type placed: one more, stopping at MaxScore.
int raisedScore(int score);

// The odds factor of each type: Int(S / score - 1) with S the sum of the five scores. The sum
// is taken wide, and a score below 1 (only an edited file has one) counts as 1.
std::array<int, Types> typeFactors(const std::array<int, Types> &scores);
// The odds of a pair: the sum of its two lane factors, taken wide and held to 1..99.
int pairOdds(int factorA, int factorB);
// The bet index of the pair of two placed lanes (shown numbers, in either order).
int winningPair(int laneA, int laneB);

// One race: five dogs from the start line to the goal line, moved one at a time in a fresh
// order every frame. A dog is placed as soon as its own move reaches the goal line, so two dogs
// crossing in one frame are placed in the order they moved; the race ends at the second one.
class Race
{
public:
    struct Move
    {
        int lane;
        int from;  // position before the move
        int to;    // position after it
        int place; // 1 or 2 when this move reached the goal line, else 0
    };

    // Every dog at the start line.
    explicit Race(const std::array<int, Lanes> &laneTypes);
    // Dogs at the given positions, none placed yet.
    Race(const std::array<int, Lanes> &laneTypes, const std::array<int, Lanes> &positions);

    // One frame: the lanes in `order` move one after another, each with its own draw from
    // `rnd`; the winner is skipped (and draws nothing). Stops at once when the second dog is
    // placed. Lanes outside 0..4 in the order are ignored.
    std::vector<Move> frame(const std::array<int, Lanes> &order,
                            const std::function<double()> &rnd);

    bool over() const { return finishCount_ >= 2; }
    int finishCount() const { return finishCount_; }
    int firstLane() const { return firstLane_; }
    // The lanes placed first and second (-1 until placed).
    const std::array<int, 2> &placed() const { return placed_; }
    int position(int lane) const { return x_[lane]; }
    int type(int lane) const { return types_[lane]; }

private:
    std::array<int, Lanes> types_;
    std::array<int, Lanes> x_;
    std::array<int, 2> placed_{-1, -1};
    int finishCount_ = 0;
    int firstLane_ = NoLane;
};

} // namespace dograce
