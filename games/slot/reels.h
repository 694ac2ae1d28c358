// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The rules of the slot machine: the reel strip, the draw of the stop rows, the pay factor and
// the motion of the three reels, frame by frame. No window in sight.
namespace slot {

enum class Flag { Japan, USA, UK, Germany };

// The strip of each reel, rows from the top. Row 10 repeats row 0 so that the strip can wrap
// from row 9 back to row 0 without a visible jump; the playing rows are 0 to 9.
constexpr std::array<Flag, 11> Strip = {Flag::Japan, Flag::USA, Flag::UK,      Flag::Germany,
                                        Flag::USA,   Flag::UK,  Flag::Germany, Flag::UK,
                                        Flag::USA,   Flag::UK,  Flag::Japan};
constexpr int Rows = 10;
constexpr int RowTwips = 480;              // one flag is 480 x 480 twips
constexpr int WrapTwips = Rows * RowTwips; // an offset reaching this is back at row 0
constexpr int Frames = 897;                // frames 0 to 896 of a spin

// The factor a flag pays when all three reels show it.
int flagFactor(Flag flag);

struct Spin
{
    std::array<int, 3> StopRow; // 0..9, reels 1 to 3
    int PayFactor;              // 200, 50, 10, 5 or 0
};
// The stop rows and factor that start rows r1, r2, r3 (each 0..9) lead to:
// (9, 4, 9) -> rows (0, 0, 0), factor 200.
Spin spinFromStartRows(int r1, int r2, int r3);
// 200 if all three rows are 0, 50 if all show Germany, 10 all USA, 5 all UK, otherwise 0.
int payFactor(const std::array<int, 3> &rows);

// The payout of a bet, computed wide so that no bet can overflow it.
inline std::int64_t payout(std::int64_t bet, int factor)
{
    return bet * factor;
}

// How far reel k (0..2, left to right) moves in frame i, in twips: the reels slow down from 120
// to 60, 30 and 10 twips a frame and stand, each a hundred frames after the one to its left.
int reelStep(int reel, int frame);

// The three reels in motion. ReelOffset(k) is how far the strip of reel k is moved up, in twips
// (0 to 4790); the strip's Top is -ReelOffset(k).
class Reels
{
public:
    explicit Reels(const std::array<int, 3> &startRows);
    // Moves every reel by its step for frame i; an offset that reaches the wrap point is 0 again.
    void frame(int i);
    const std::array<int, 3> &ReelOffset() const { return offset_; }

private:
    std::array<int, 3> offset_{};
};

} // namespace slot
