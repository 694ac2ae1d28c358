// SPDX-License-Identifier: GPL-3.0-or-later
#include "dicerules.h"

namespace dice {

namespace {

// The board's fields with their outcomes, as (first, second) dice of faces 1 to 6 they read:
// A (1,1) (1,3) (1,4) (4,1); B (1,2) (2,2) (2,3) (1,5); ...
constexpr std::array<std::array<int, 4>, Fields> FieldOutcomes{{
    {0, 2, 3, 18},
    {1, 7, 8, 4},
    {6, 12, 13, 9},
    {14, 5, 20, 11},
    {19, 10, 25, 16},
    {24, 15, 30, 21},
    {26, 22, 23, 29},
    {31, 27, 28, 34},
    {17, 32, 33, 35},
}};

constexpr std::array<int, Outcomes> fieldTable()
{
    std::array<int, Outcomes> field{};
    for (int k = 0; k < Fields; ++k)
        for (int i : FieldOutcomes[k])
            field[i] = k;
    return field;
}
constexpr std::array<int, Outcomes> FieldOf = fieldTable();

} // namespace

const std::array<int, 4> &outcomesOf(int field)
{
    return FieldOutcomes.at(field);
}

int fieldOf(int outcome)
{
    return outcome >= 0 && outcome < Outcomes ? FieldOf[outcome] : -1;
}

const char *fieldName(int field)
{
    static const char *const names[Fields] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    return field >= 0 && field < Fields ? names[field] : "";
}

const char *lineName(int line)
{
    static const char *const names[Lines] = {"A+B+C", "D+E+F", "G+H+I", "A+D+G", "B+E+H", "C+F+I"};
    return line >= 0 && line < Lines ? names[line] : "";
}

std::int64_t payout(const Bets &bets, int outcome)
{
    const int k = fieldOf(outcome);
    if (k < 0) return 0;
    return std::int64_t(PairPays) * bets.pair[outcome] + std::int64_t(FieldPays) * bets.field[k] +
           std::int64_t(LinePays) * bets.line[rowLine(k)] +
           std::int64_t(LinePays) * bets.line[columnLine(k)];
}

} // namespace dice
