// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// NumVal: the numeric value of a text, read the forgiving way the settings file and the captions
// need. Blanks (spaces, tabs, line breaks) are skipped anywhere, also between digits; then an
// optional sign, digits with at most one decimal point and an optional exponent (E or D) are
// read up to the first character that does not fit. "&H" and "&O" introduce hexadecimal and
// octal digits. A text without digits gives 0.
double NumVal(std::string_view text);

// Rounds to the nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4). Empty when the value
// is not a finite number within the 32-bit signed range.
std::optional<std::int32_t> roundToInt32(double v);
// The same at a wider width, for check values that must not wrap.
std::optional<std::int64_t> roundToInt64(double v);
