// SPDX-License-Identifier: GPL-3.0-or-later
// NumVal on arbitrary text: never a NaN, never undefined behaviour, and on every decimal number
// the same value as the C library's strtod reading that number (its blanks taken out, a D
// exponent written E). Rounding to integers agrees at both widths. The leading 8 bytes, read as
// a 64-bit integer and written as the settings file writes numbers, read back exactly.
#include "store/numval.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

[[noreturn]] void fail(const char *what, std::string_view text, double got, double want)
{
    std::fprintf(stderr, "%s: got %.17g, want %.17g for \"", what, got, want);
    for (char c : text)
        std::fprintf(stderr, std::isprint(static_cast<unsigned char>(c)) ? "%c" : "\\x%02x",
                     c & 0xff);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

// What the C library reads from the number at the start of the text, or nothing when the text
// starts with a radix prefix (&H, &O), which strtod does not know.
bool reference(std::string_view text, double &value)
{
    std::size_t i = 0;
    while (i < text.size() && blank(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == '&' && std::strchr("hHoO", text[i + 1])) return false;
    std::string number;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (blank(c)) continue;
        if (!std::strchr("0123456789+-.eEdD", c) || c == '\0') break;
        number += (c == 'd' || c == 'D') ? 'e' : c;
    }
    value = std::strtod(number.c_str(), nullptr); // the C locale: nothing calls setlocale here
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double v = NumVal(text);
    if (std::isnan(v)) fail("NaN", text, v, 0);

    double want;
    if (reference(text, want)) {
        const bool tiny = std::fabs(want) < DBL_MIN && std::fabs(v) < DBL_MIN; // both underflow
        if (!tiny && v != want) fail("differs from strtod", text, v, want);
    }

    const auto r64 = roundToInt64(v);
    const auto r32 = roundToInt32(v);
    if (r32 && (!r64 || *r64 != *r32)) fail("32 and 64 bits disagree", text, double(*r32), v);
    if (r64 && std::fabs(double(*r64) - v) > 0.5) fail("rounding", text, double(*r64), v);

    if (size >= 8) {
        std::int64_t n;
        std::memcpy(&n, data, sizeof n);
        const std::string written = (n < 0 ? "" : " ") + std::to_string(n);
        if (NumVal(written) != double(n)) fail("number text", written, NumVal(written), double(n));
    }
    return 0;
}
