#include "strength/Ashtakavarga.h"

#include <initializer_list>

namespace zodiora::strength {

namespace {

using vedic::Graha;
using vedic::GrahaCount;

constexpr unsigned Houses(std::initializer_list<int> houses)
{
    unsigned bits = 0;
    for (int h : houses) bits |= 1u << (h - 1);
    return bits;
}

using Row = std::array<unsigned, ContributorCount>;  // from Sun .. Saturn, Lagna

// The rows common to both tables (BPHS ch. 66), owner by owner; the Moon's
// row is the one where the two books differ.
constexpr std::array<Row, GrahaCount> Common{{
    // Sun (48)
    {Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}),
     Houses({3, 5, 6, 9, 10, 11, 12}), Houses({5, 6, 9, 11}), Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}),
     Houses({3, 4, 6, 10, 11, 12})},
    // Moon (49), Raman's
    {Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 10, 11}), Houses({2, 3, 5, 6, 9, 10, 11}),
     Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 4, 5, 7, 9, 10, 11}),
     Houses({3, 5, 6, 11}), Houses({3, 6, 10, 11})},
    // Mars (39)
    {Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}), Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 5, 6, 11}),
     Houses({6, 10, 11, 12}), Houses({6, 8, 11, 12}), Houses({1, 4, 7, 8, 9, 10, 11}), Houses({1, 3, 6, 10, 11})},
    // Mercury (54)
    {Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11}),
     Houses({1, 3, 5, 6, 9, 10, 11, 12}), Houses({6, 8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({1, 2, 4, 6, 8, 10, 11})},
    // Jupiter (56)
    {Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}), Houses({1, 2, 4, 7, 8, 10, 11}),
     Houses({1, 2, 4, 5, 6, 9, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 10, 11}), Houses({2, 5, 6, 9, 10, 11}),
     Houses({3, 5, 6, 12}), Houses({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    // Venus (52)
    {Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}), Houses({3, 4, 6, 9, 11, 12}),
     Houses({3, 5, 6, 9, 11}), Houses({5, 8, 9, 10, 11}), Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}),
     Houses({3, 4, 5, 8, 9, 10, 11}), Houses({1, 2, 3, 4, 5, 8, 9, 11})},
    // Saturn (39)
    {Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}), Houses({3, 5, 6, 10, 11, 12}),
     Houses({6, 8, 9, 10, 11, 12}), Houses({5, 6, 11, 12}), Houses({6, 11, 12}), Houses({3, 5, 6, 11}),
     Houses({1, 3, 4, 6, 10, 11})},
}};

// P.V.R. Narasimha Rao's Moon row: the 9th moves from Mars's list to the Moon's.
constexpr unsigned RaoMoonFromMoon = Houses({1, 3, 6, 7, 9, 10, 11});
constexpr unsigned RaoMoonFromMars = Houses({2, 3, 5, 6, 10, 11});

constexpr Row LagnaRow{Houses({3, 4, 6, 10, 11, 12}), Houses({3, 6, 10, 11, 12}),  Houses({1, 3, 6, 10, 11}),
                       Houses({1, 2, 4, 6, 8, 10, 11}), Houses({1, 2, 4, 5, 6, 7, 9, 10, 11}),
                       Houses({1, 2, 3, 4, 5, 8, 9}), Houses({1, 3, 4, 6, 10, 11}), Houses({3, 6, 10, 11})};

int Wrap(int sign)
{
    return ((sign % 12) + 12) % 12;
}

SignPoints RowOf(const std::array<int, ContributorCount>& signs, auto&& housesOf)
{
    SignPoints points{};
    for (int c = 0; c < ContributorCount; ++c) {
        const unsigned bits = housesOf(c);
        for (int h = 1; h <= 12; ++h) {
            if (bits & (1u << (h - 1))) ++points[static_cast<std::size_t>(Wrap(signs[static_cast<std::size_t>(c)] + h - 1))];
        }
    }
    return points;
}

}  // namespace

std::string_view AshtakavargaTableKey(AshtakavargaTable table)
{
    return table == AshtakavargaTable::Raman ? "raman" : "pvr";
}

std::string_view AshtakavargaTableTitle(AshtakavargaTable table)
{
    return table == AshtakavargaTable::Raman ? "B.V. Raman, Ashtakavarga System of Prediction"
                                             : "P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach";
}

unsigned BinduHouses(AshtakavargaTable table, Graha owner, int contributor)
{
    const auto c = static_cast<std::size_t>(contributor);
    if (table == AshtakavargaTable::NarasimhaRao && owner == Graha::Moon) {
        if (c == vedic::IndexOf(Graha::Moon)) return RaoMoonFromMoon;
        if (c == vedic::IndexOf(Graha::Mars)) return RaoMoonFromMars;
    }
    return Common[vedic::IndexOf(owner)][c];
}

unsigned LagnaBinduHouses(int contributor)
{
    return LagnaRow[static_cast<std::size_t>(contributor)];
}

Ashtakavarga AshtakavargaOf(const std::array<int, ContributorCount>& signs, AshtakavargaTable table)
{
    Ashtakavarga result;
    result.table = table;
    for (Graha owner : vedic::AllGrahas) {
        SignPoints& row = result.bhinna[vedic::IndexOf(owner)];
        row = RowOf(signs, [&](int c) { return BinduHouses(table, owner, c); });
        for (std::size_t s = 0; s < 12; ++s) result.sarva[s] += row[s];
    }
    result.lagna = RowOf(signs, [](int c) { return LagnaBinduHouses(c); });
    return result;
}

}  // namespace zodiora::strength
