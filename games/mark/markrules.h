// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The rules of Mark: five cards of a 52-card deck are turned one by one, and each lights one of
// three lamps when its suit matches a choice whose lamp is still open. All three lamps lit wins.
namespace mark {

constexpr int DeckSize = 52;
constexpr int CardsDealt = 5;
constexpr int Choices = 3;

// Suits as the card pictures number them.
enum Suit { Heart = 1, Club = 2, Diamond = 3, Spade = 4 };

struct DeckCard
{
    int value; // 1 (A) to 13 (K)
    int suit;  // 1 to 4
};

// Card number n of the deck: value ((n - 1) mod 13) + 1, suit ((n - 1) div 13) + 1. The
// texts "1" to "51" are read exactly; any other text gives the last card, the K of spades,
// which is also what "52" means.
DeckCard cardOfTag(std::string_view tag);

// The next suit of a choice box: 1 -> 2 -> 3 -> 4 -> 1 (anything else starts again at 1).
int nextSuit(int suit);

// Combination: the suits may come in any order, the stake pays 3 times. Order: they must come
// in the order of the choice boxes, 10 times.
enum class Mode { Combination = 3, Order = 10 };

// The bonus factor while card i (0 to 4) is turned: 5 for the first three, then 2, then 1.
int bonusForCard(int i);

// One play: the lamps, and the cards turned so far.
class Round
{
public:
    explicit Round(Mode mode) : mode_(mode) {}

    // Turns the next card, of this suit, matching it against the choices as they are now.
    // Returns the lamp it lights (0 to 2) or -1. A card turned after the play is over
    // lights nothing.
    int turn(int suit, const std::array<int, Choices> &choices);

    bool won() const { return lit_[0] && lit_[1] && lit_[2]; }
    bool over() const { return won() || turned_ == CardsDealt; }
    int turned() const { return turned_; }
    const std::array<bool, Choices> &lamps() const { return lit_; }

    // What the play returns for this stake: stake x mode x the bonus of the card that lit the
    // third lamp; 0 when the play was not won. Wide, so that no stake can overflow it.
    std::int64_t payout(std::int64_t stake) const;

private:
    Mode mode_;
    std::array<bool, Choices> lit_{};
    int turned_ = 0;
};

} // namespace mark
