// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace bingo {

// A colour as the cards paint their cells.
struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

inline constexpr Rgb LightGrey{192, 192, 192}; // a marked cell, and the free centre
inline constexpr Rgb Yellow{255, 255, 0};      // a marked cell of a reach line
inline constexpr Rgb Red{255, 0, 0};           // a cell of a complete line

// One element of a control array as the Bingo classes use it: a caption, a Tag and a back
// colour. The window hands in its labels; tests hand in plain cells.
class Cell
{
public:
    virtual ~Cell() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string &text) = 0;
    virtual std::string tag() const = 0;
    virtual void setTag(const std::string &text) = 0;
    virtual Rgb backColor() const = 0;
    virtual void setBackColor(Rgb c) = 0;
};

// A control array: a card is 30 cells (25 numbers row by row, then the five headers), the
// drawn-number column 12.
using Cells = std::span<Cell *const>;

inline constexpr int CardCells = 25; // the numbered cells of a card; the headers follow
inline constexpr int CentreCell = 12;

} // namespace bingo
