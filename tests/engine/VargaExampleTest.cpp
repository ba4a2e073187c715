// The divisional charts of published examples, computed as their book did:
// P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach, Example 27
// (Jupiter in the sixteen vargas) and the twins of Example 46 (D24 Lagna).
#include <gtest/gtest.h>

#include "SampleBirths.h"

#include <cmath>
#include <vector>

#include "engine/ChartVargas.h"
#include "engine/Engine.h"

using namespace zodiora;
using vedic::Varga;

namespace {

// A birth at a local clock time `offsetSeconds` ahead of UT.
BirthData Birth(int year, int month, int day, int hour, int minute, int offsetSeconds, double latitude,
                double longitudeEast)
{
    return test::BirthAtOffset(year, month, day, hour, minute, 0, offsetSeconds, latitude, longitudeEast);
}

CalculationSettings PreciseLahiri()
{
    CalculationSettings settings;
    settings.ephemeris = Ephemeris::Precise;
    return settings;
}

}  // namespace

TEST(VargaExample, JupiterOfExample27)
{
    // 1937-07-12 00:30 (-05:00), 39N57 75W10, Lahiri. The book's signs,
    // Aries = 1, D1..D60 with its D3 left out: the book prints Libra, which
    // no variant of the drekkana reproduces.
    const Chart chart = ComputeChart(Birth(1937, 7, 12, 0, 30, -5 * 3600, 39 + 57 / 60.0, -(75 + 10 / 60.0)),
                                     PreciseLahiri());
    const VargaSigns signs = VargaSignsOf(chart);
    const std::vector<std::pair<Varga, int>> book{
        {Varga::D1, 9},   {Varga::D2, 4},   {Varga::D4, 6},   {Varga::D7, 3},   {Varga::D9, 9},
        {Varga::D10, 6},  {Varga::D12, 8},  {Varga::D16, 12}, {Varga::D20, 12}, {Varga::D24, 4},
        {Varga::D27, 3},  {Varga::D30, 7},  {Varga::D40, 4},  {Varga::D45, 5},  {Varga::D60, 8}};
    for (const auto& [varga, sign] : book) {
        EXPECT_EQ(signs.sign(Body::Jupiter, varga) + 1, sign) << vedic::VargaName(varga);
    }
    EXPECT_TRUE(signs.vargottama(Body::Jupiter));  // Sagittarius in D1 and D9
}

TEST(VargaExample, TwinsOfExample46DifferInTheD24Lagna)
{
    // 1970-11-04, 30N44 76E53, +05:30: born at 16:06 and 16:08, the D24
    // Lagna Libra and Scorpio.
    const Chart first = ComputeChart(Birth(1970, 11, 4, 16, 6, 19800, 30 + 44 / 60.0, 76 + 53 / 60.0), PreciseLahiri());
    const Chart second = ComputeChart(Birth(1970, 11, 4, 16, 8, 19800, 30 + 44 / 60.0, 76 + 53 / 60.0), PreciseLahiri());
    EXPECT_EQ(VargaSignsOf(first).sign(Body::Ascendant, Varga::D24), 6);
    EXPECT_EQ(VargaSignsOf(second).sign(Body::Ascendant, Varga::D24), 7);
}

TEST(VargaExample, EveryPointOfTheChartIsRead)
{
    const Chart chart = ComputeChart(Birth(1980, 6, 15, 6, 30, 19800, 28.6, 77.2), CalculationSettings{});
    const VargaSigns signs = VargaSignsOf(chart, vedic::VargaVariant::Parivritti);
    EXPECT_EQ(signs.variant, vedic::VargaVariant::Parivritti);
    for (const Body body : AllPoints) {
        const vedic::VargaRow row = vedic::VargaRowOf(chart.longitude(body), vedic::VargaVariant::Parivritti);
        EXPECT_EQ(signs.points[IndexOf(body)].signs, row.signs) << NameOf(body);
        EXPECT_EQ(signs.sign(body, Varga::D1), static_cast<int>(chart.longitude(body) / 30));
    }
}
