// SPDX-License-Identifier: GPL-3.0-or-later
#include "numval.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Digits of a hexadecimal or octal literal, read as the integer width that holds them:
// up to 16 bits as a signed 16-bit value, then 32 bits signed, as the classic reader does.
double radixValue(std::string_view s, std::size_t i, int base)
{
    std::uint64_t v = 0;
    int digits = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (blank(c)) continue;
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        if (d >= base) break;
        if (v > (std::numeric_limits<std::uint32_t>::max)()) break; // further digits overflow
        v = v * std::uint64_t(base) + std::uint64_t(d);
        ++digits;
    }
    if (digits == 0) return 0;
    if (v <= 0xFFFF) return double(std::int16_t(std::uint16_t(v)));
    if (v <= 0xFFFFFFFFu) return double(std::int32_t(std::uint32_t(v)));
    return double(v);
}

// For a number too large or too small for a double: where its first significant digit stands,
// as the power of ten just above it (positive: too large; otherwise too small).
std::int64_t decimalOrder(const std::string &number)
{
    std::int64_t integerDigits = 0, leadingZeros = 0;
    bool point = false, significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (!point) ++integerDigits;
            if (c != '0') significant = true;
            if (!significant) ++leadingZeros;
        }
    }
    std::int64_t exponent = 0;
    if (i < number.size()) {
        bool negative = false;
        for (++i; i < number.size(); ++i) {
            if (number[i] == '-')
                negative = true;
            else if (number[i] >= '0' && number[i] <= '9')
                exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return integerDigits - leadingZeros + exponent;
}

} // namespace

double NumVal(std::string_view s)
{
    std::size_t i = 0;
    auto skip = [&] {
        while (i < s.size() && blank(s[i])) ++i;
    };
    skip();
    if (i + 1 < s.size() && s[i] == '&') {
        const char k = s[i + 1];
        if (k == 'h' || k == 'H') return radixValue(s, i + 2, 16);
        if (k == 'o' || k == 'O') return radixValue(s, i + 2, 8);
    }
    // Collect the number without blanks, then convert it with correct rounding.
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (blank(c)) continue;
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    skip();
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < s.size() && blank(s[j])) ++j;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        bool expDigits = false;
        int significant = 0;
        for (; j < s.size(); ++j) {
            if (blank(s[j])) continue;
            if (s[j] < '0' || s[j] > '9') break;
            expDigits = true;
            if (s[j] == '0' && significant == 0) continue; // leading zeros
            // Ten digits already make the value 0 or infinite (for any text shorter than a
            // billion characters); more are dropped, and ten fit 64 bits in decimalOrder.
            if (significant++ < 10) exponent += s[j];
        }
        if (significant == 0) exponent += '0';
        if (expDigits) number += exponent;
    }
    // from_chars ignores the locale (Qt sets the user's, which may use a decimal comma).
    double value = 0;
    const char *first = number.data() + (number[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const double huge = number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
        return decimalOrder(number) > 0 ? huge : 0.0;
    }
    return value;
}

std::optional<std::int64_t> roundToInt64(double v)
{
    if (!std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v); // the default rounding mode: to nearest, ties to even
    if (r < -9.2e18 || r > 9.2e18) return std::nullopt;
    return std::int64_t(r);
}

std::optional<std::int32_t> roundToInt32(double v)
{
    const auto r = roundToInt64(v);
    if (!r || *r < (std::numeric_limits<std::int32_t>::min)() ||
        *r > (std::numeric_limits<std::int32_t>::max)())
        return std::nullopt;
    return std::int32_t(*r);
}
