// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The rules of Oicho-Kabu, free of any window: the 36-card deck, where the cards of a deal lie,
// hand totals and the dealer's decisions.
namespace kabu {

constexpr int DeckSize = 36;  // four suits of A to 9
constexpr int SlotCount = 15; // cards dealt; slots 12 to 14 are never used
constexpr int HandCount = 4;  // hand 0 is the dealer, 1 to 3 the player's

struct Card
{
    int value; // 1 (A) to 9
    int suit;  // 1 heart, 2 club, 3 diamond, 4 spade
};

// Card number 1 to 36: value ((n - 1) mod 9) + 1, suit ((n - 1) div 9) + 1.
Card cardOf(int number);
// The card whose number a deal wrote as text. Only "1" to "35" are read as numbers; any other
// text gives the 9 of spades, which is also card "36".
Card cardOfTag(std::string_view tag);

// Hand h (0 dealer, 1..3 player) holds its first card in slot h, its second in slot h + 4 and
// its third in slot h + 8.
constexpr int slotOf(int hand, int card)
{
    return hand + 4 * card;
}

// Adds a card's value to a hand total and keeps the result in 0 to 9.
int addCard(int total, int value);

// The dealer's two cards are A and 4 (total 5) or A and 9 (total 0): the dealer takes all.
bool dealerTakesAll(int dealerTotal, int secondValue);

// The three slots of player hand h hold equal values, whether or not the third card was drawn.
bool threeOfAKind(const std::array<int, SlotCount> &slotValue, int hand);

// Whether the dealer takes a third card, given the number n of betting hands, how many of them
// beat the dealer (w) and tie it (t), and the dealer's two-card total D.
bool DEALER_DRAWS(int n, int w, int t, int D);

} // namespace kabu
