// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces.h"

#include "store/numval.h"

#include <cstdint>
#include <limits>

namespace premium {

std::string defaultText(int piece)
{
    return std::to_string(PieceKeys.at(piece).offset);
}

bool isOwned(int piece, std::string_view stored)
{
    constexpr std::size_t ReadBuffer = 5;
    const double value = NumVal(stored.substr(0, ReadBuffer));
    const auto flag = roundToInt64(value - PieceKeys.at(piece).offset);
    // The flag is a 16-bit value; one outside that range is not owned (and is not wrapped).
    if (!flag || *flag < std::numeric_limits<std::int16_t>::min() ||
        *flag > std::numeric_limits<std::int16_t>::max())
        return false;
    return *flag == 1;
}

int storedValue(int piece, bool owned)
{
    return PieceKeys.at(piece).offset + (owned ? 1 : 0);
}

} // namespace premium
