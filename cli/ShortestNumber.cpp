#include "cli/ShortestNumber.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <nlohmann/json.hpp>

namespace zodiora::cli {

namespace {

namespace dtoa = nlohmann::detail::dtoa_impl;
using dtoa::diyfp;

// The steps of json's Grisu2 that cost most, done with the same integer
// results in fewer instructions: normalising by counting leading zeros
// instead of shifting a bit at a time, the 64 x 64-bit product in one
// multiplication instead of four, and the digits of the integral part by
// constant divisions instead of a division by a varying power of ten each.

diyfp Normalized(diyfp x)
{
    const int shift = std::countl_zero(x.f);
    return {x.f << shift, x.e - shift};
}

__extension__ using Uint128 = unsigned __int128;  // GCC and Clang

// round((x.f * y.f) / 2^64), ties up, as diyfp::mul.
diyfp Product(const diyfp& x, const diyfp& y)
{
    const Uint128 product = static_cast<Uint128>(x.f) * y.f + (std::uint64_t{1} << 63);
    return {static_cast<std::uint64_t>(product >> 64), x.e + y.e + 64};
}

constexpr std::array<std::uint32_t, 10> PowersOfTen{1,      10,      100,      1000,      10000,
                                                    100000, 1000000, 10000000, 100000000, 1000000000};

// json's grisu2_digit_gen, step for step.
void DigitGen(char* buffer, int& length, int& decimalExponent, diyfp minus, diyfp w, diyfp plus)
{
    std::uint64_t delta = diyfp::sub(plus, minus).f;
    std::uint64_t dist = diyfp::sub(plus, w).f;
    const int shift = -plus.e;
    const std::uint64_t one = std::uint64_t{1} << shift;
    auto p1 = static_cast<std::uint32_t>(plus.f >> shift);
    std::uint64_t p2 = plus.f & (one - 1);

    std::uint32_t pow10 = 0;
    const int k = dtoa::find_largest_pow10(p1, pow10);
    // Every digit of p1 written at once; json's loop then checks after each
    // one whether the number may end there. It may not when the fraction
    // alone (p2) is more than delta: then all of them stay.
    for (std::uint32_t rest = p1, n = 0; n < static_cast<std::uint32_t>(k); ++n, rest /= 10) {
        buffer[length + k - 1 - static_cast<int>(n)] = static_cast<char>('0' + rest % 10);
    }
    if (p2 > delta) {
        length += k;
    } else {
        for (int n = k; n > 0;) {
            const auto d = static_cast<std::uint32_t>(buffer[length++] - '0');
            p1 -= d * PowersOfTen[static_cast<std::size_t>(n - 1)];
            --n;
            const std::uint64_t rest = (std::uint64_t{p1} << shift) + p2;
            if (rest <= delta) {
                decimalExponent += n;
                dtoa::grisu2_round(buffer, length, dist, delta, rest,
                                   std::uint64_t{PowersOfTen[static_cast<std::size_t>(n)]} << shift);
                return;
            }
        }
    }

    int m = 0;
    for (;;) {
        p2 *= 10;
        const std::uint64_t d = p2 >> shift;
        p2 &= one - 1;
        buffer[length++] = static_cast<char>('0' + d);
        ++m;
        delta *= 10;
        dist *= 10;
        if (p2 <= delta) break;
    }
    decimalExponent -= m;
    dtoa::grisu2_round(buffer, length, dist, delta, p2, one);
}

// json's grisu2(buf, len, exponent, value) for a finite positive double.
void Grisu2(char* buffer, int& length, int& decimalExponent, double value)
{
    constexpr int Precision = 53;
    constexpr int Bias = 1023 + Precision - 1;
    constexpr std::uint64_t HiddenBit = std::uint64_t{1} << (Precision - 1);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t e = bits >> (Precision - 1);
    const std::uint64_t f = bits & (HiddenBit - 1);
    const diyfp v = e == 0 ? diyfp(f, 1 - Bias) : diyfp(f + HiddenBit, static_cast<int>(e) - Bias);
    const bool lowerBoundaryIsCloser = f == 0 && e > 1;
    const diyfp plus = Normalized(diyfp(2 * v.f + 1, v.e - 1));
    const diyfp rawMinus = lowerBoundaryIsCloser ? diyfp(4 * v.f - 1, v.e - 2) : diyfp(2 * v.f - 1, v.e - 1);
    const diyfp minus(rawMinus.f << (rawMinus.e - plus.e), plus.e);
    const diyfp w = Normalized(v);

    const dtoa::cached_power cached = dtoa::get_cached_power_for_binary_exponent(plus.e);
    const diyfp c(cached.f, cached.e);
    const diyfp scaledW = Product(w, c);
    const diyfp scaledMinus = Product(minus, c);
    const diyfp scaledPlus = Product(plus, c);
    length = 0;
    decimalExponent = -cached.k;
    DigitGen(buffer, length, decimalExponent, diyfp(scaledMinus.f + 1, scaledMinus.e), scaledW,
             diyfp(scaledPlus.f - 1, scaledPlus.e));
}

}  // namespace

char* PutShortestNumber(char* at, double value)
{
    if (!std::isfinite(value)) {
        for (const char c : {'n', 'u', 'l', 'l'}) *at++ = c;
        return at;
    }
    if (std::signbit(value)) {
        value = -value;
        *at++ = '-';
    }
    if (value == 0) {
        for (const char c : {'0', '.', '0'}) *at++ = c;
        return at;
    }
    int length = 0;
    int decimalExponent = 0;
    Grisu2(at, length, decimalExponent, value);
    const int point = length + decimalExponent;  // digits before the decimal point
    if (0 < point && point < length && point <= std::numeric_limits<double>::digits10) {
        // "dig.its", most numbers of a chart (longitudes, hours): the digits
        // after the point moved up one with a fixed-size copy, which the
        // compiler inlines (format_buffer's memmove is a library call).
        constexpr std::size_t MaxDigits = 17;
        char after[MaxDigits];
        std::memcpy(after, at + point, MaxDigits);
        std::memcpy(at + point + 1, after, MaxDigits);
        at[point] = '.';
        return at + length + 1;
    }
    // dump()'s layout: fixed notation for exponents -4..15, else d.ddde+XX.
    return dtoa::format_buffer(at, length, decimalExponent, -4, std::numeric_limits<double>::digits10);
}

}  // namespace zodiora::cli
