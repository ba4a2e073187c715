#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "strength/Ashtakavarga.h"

using namespace zodiora::strength;
using zodiora::vedic::Graha;

namespace {

// Signs: 0 = Aries; the seven planets in weekday order, then the Lagna.
constexpr std::array<int, ContributorCount> Chart6{2, 11, 2, 2, 4, 0, 4, 5};
constexpr std::array<int, ContributorCount> Chart7{9, 0, 8, 8, 6, 10, 0, 7};

int Total(const SignPoints& points)
{
    return std::accumulate(points.begin(), points.end(), 0);
}

}  // namespace

// P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach, Exercises
// 18-20, Chart 6 (Sun Ge, Moon Pi, Mars Ge, Mercury Ge, Jupiter Le, Venus Ar,
// Saturn Le, Lagna Vi).
TEST(Ashtakavarga, RaoChart6Sarvashtakavarga)
{
    const Ashtakavarga av = AshtakavargaOf(Chart6);
    const SignPoints expected{34, 25, 34, 25, 26, 25, 22, 29, 28, 30, 29, 30};
    EXPECT_EQ(av.sarva, expected);
}

// The same book, Exercise 22, Chart 7 (Sun Cp, Moon Ar, Mars Sg, Mercury Sg,
// Jupiter Li, Venus Aq, Saturn Ar, Lagna Sc): the Sarvashtakavarga and each
// planet's row as the book's answer gives them.
TEST(Ashtakavarga, RaoChart7RowsAndSarvashtakavarga)
{
    const Ashtakavarga av = AshtakavargaOf(Chart7);
    EXPECT_EQ(av.sarva, (SignPoints{27, 24, 25, 26, 34, 35, 31, 28, 26, 26, 34, 21}));
    const std::array<SignPoints, 7> rows{{
        {4, 2, 3, 4, 6, 5, 5, 3, 2, 6, 6, 2},
        {6, 3, 5, 3, 5, 5, 6, 3, 3, 4, 4, 2},
        {3, 2, 3, 4, 2, 5, 4, 3, 3, 4, 3, 3},
        {4, 6, 4, 3, 4, 7, 4, 5, 6, 3, 5, 3},
        {4, 4, 3, 5, 6, 5, 6, 4, 6, 4, 3, 6},
        {3, 5, 5, 4, 6, 2, 3, 6, 5, 2, 7, 4},
        {3, 2, 2, 3, 5, 6, 3, 4, 1, 3, 6, 1},
    }};
    for (Graha g : zodiora::vedic::AllGrahas) {
        EXPECT_EQ(av.bhinna[zodiora::vedic::IndexOf(g)], rows[zodiora::vedic::IndexOf(g)])
            << zodiora::vedic::GrahaName(g);
    }
}

// Raman's table moves one bindu of the Moon's row: from the Moon's 9th to
// Mars's 9th. In Chart 6 (Moon Pi, Mars Ge) that is Scorpio to Aquarius.
TEST(Ashtakavarga, RamanTableDiffersInTheMoonRowOnly)
{
    const Ashtakavarga rao = AshtakavargaOf(Chart6, AshtakavargaTable::NarasimhaRao);
    const Ashtakavarga raman = AshtakavargaOf(Chart6, AshtakavargaTable::Raman);
    for (Graha g : zodiora::vedic::AllGrahas) {
        if (g == Graha::Moon) continue;
        EXPECT_EQ(rao.bhinna[zodiora::vedic::IndexOf(g)], raman.bhinna[zodiora::vedic::IndexOf(g)]);
    }
    EXPECT_EQ(raman.sarva[7], rao.sarva[7] - 1);
    EXPECT_EQ(raman.sarva[10], rao.sarva[10] + 1);
    EXPECT_EQ(Total(raman.sarva), 337);
}

// Whatever the chart, every row has a fixed total: 48, 49, 39, 54, 56, 52,
// 39 (337 in all) and the Lagna's own row 49, in both tables.
TEST(Ashtakavarga, RowTotalsAreFixedForRandomCharts)
{
    std::mt19937 random(23);
    std::uniform_int_distribution<int> sign(0, 11);
    const std::array<int, 7> totals{48, 49, 39, 54, 56, 52, 39};
    for (int trial = 0; trial < 500; ++trial) {
        std::array<int, ContributorCount> signs{};
        for (int& s : signs) s = sign(random);
        for (AshtakavargaTable table : {AshtakavargaTable::NarasimhaRao, AshtakavargaTable::Raman}) {
            const Ashtakavarga av = AshtakavargaOf(signs, table);
            for (std::size_t g = 0; g < 7; ++g) ASSERT_EQ(Total(av.bhinna[g]), totals[g]) << g;
            ASSERT_EQ(Total(av.sarva), 337);
            ASSERT_EQ(Total(av.lagna), 49);
            for (int points : av.sarva) ASSERT_LE(points, 56);
        }
    }
}

// A contributor's bindus follow it round the zodiac: moving every point one
// sign on moves every row one sign on.
TEST(Ashtakavarga, RotatingTheChartRotatesTheRows)
{
    std::array<int, ContributorCount> moved{};
    for (std::size_t k = 0; k < moved.size(); ++k) moved[k] = Chart7[k] + 1;
    const Ashtakavarga a = AshtakavargaOf(Chart7);
    const Ashtakavarga b = AshtakavargaOf(moved);
    for (std::size_t s = 0; s < 12; ++s) EXPECT_EQ(b.sarva[(s + 1) % 12], a.sarva[s]);
}

TEST(Ashtakavarga, TableNames)
{
    EXPECT_EQ(AshtakavargaTableKey(AshtakavargaTable::NarasimhaRao), "pvr");
    EXPECT_EQ(AshtakavargaTableKey(AshtakavargaTable::Raman), "raman");
    EXPECT_NE(AshtakavargaTableTitle(AshtakavargaTable::NarasimhaRao).find("Narasimha Rao"), std::string_view::npos);
}
