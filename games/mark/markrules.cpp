// SPDX-License-Identifier: GPL-3.0-or-later
#include "markrules.h"

#include <charconv>

namespace mark {

DeckCard cardOfTag(std::string_view tag)
{
    int n = 0;
    const char *end = tag.data() + tag.size();
    const auto [rest, error] = std::from_chars(tag.data(), end, n);
    // Only the plain texts "1" to "51": no sign, no leading zero, nothing after the digits.
    const bool plain = error == std::errc() && rest == end && !tag.empty() && tag.front() != '0';
    if (!plain || n < 1 || n > DeckSize - 1) n = DeckSize;
    return {(n - 1) % 13 + 1, (n - 1) / 13 + 1};
}

int nextSuit(int suit)
{
    return suit >= Heart && suit < Spade ? suit + 1 : int(Heart);
}

int bonusForCard(int i)
{
    return i < 3 ? 5 : i == 3 ? 2 : 1;
}

int Round::turn(int suit, const std::array<int, Choices> &choices)
{
    if (over()) return -1;
    ++turned_;
    for (int j = 0; j < Choices; ++j) {
        if (lit_[j]) continue;
        if (choices[j] == suit) {
            lit_[j] = true;
            return j;
        }
        // In order mode only the first open lamp is tried.
        if (mode_ == Mode::Order) return -1;
    }
    return -1;
}

std::int64_t Round::payout(std::int64_t stake) const
{
    if (!won()) return 0;
    return stake * static_cast<int>(mode_) * bonusForCard(turned_ - 1);
}

} // namespace mark
