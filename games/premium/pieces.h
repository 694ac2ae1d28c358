// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

// The sixteen puzzle pieces and how their ownership is kept in the settings file: piece k is
// stored under its own key as its offset plus a flag (1 owned, 0 not owned), so that the file
// does not show plainly which pieces are owned.
namespace premium {

constexpr int PieceCount = 16;
constexpr int Columns = 4;

struct PieceKey
{
    const char *key;
    int offset;
};

// Piece k (number k + 1) lies in column k % 4, row k / 4.
constexpr std::array<PieceKey, PieceCount> PieceKeys{{
    {"TYPE-A", 1192},
    {"TYPE-B", 1600},
    {"TYPE-C", 794},
    {"TYPE-D", 1919},
    {"TYPE-E", 1970},
    {"TYPE-F", 5371},
    {"TYPE-G", 255},
    {"TYPE-H", 1092},
    {"TYPE-I", 2},
    {"TYPE-J", 653},
    {"TYPE-K", 58},
    {"TYPE-L", 0},
    {"TYPE-M", 3351},
    {"TYPE-N", 298},
    {"TYPE-O", 8948},
    {"TYPE-P", 1001},
}};

// The text a missing key reads as: the bare offset, which decodes as not owned.
std::string defaultText(int piece);

// Whether the text read for the key of `piece` means owned. Only the first 5 characters of the
// text count (the classic read buffer); its leading number minus the offset must be exactly 1.
// Anything else reads as not owned: 0, negative numbers, 2 or more, text that is no number, and
// differences that do not fit 16 bits (which must not wrap around to 1).
bool isOwned(int piece, std::string_view stored);

// The value written for `piece`: offset + 1 when owned, the bare offset otherwise.
int storedValue(int piece, bool owned);

} // namespace premium
