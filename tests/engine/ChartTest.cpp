#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "engine/Engine.h"
#include "engine/PositionText.h"
#include "SampleBirths.h"
#include "birthdata/UniversalTime.h"

using namespace zodiora;

namespace {

using Slots = std::array<std::string, ChartPointCount>;

BirthData Greenwich2000()
{
    BirthData birth;
    birth.year = 2000;
    birth.month = 1;
    birth.day = 1;
    birth.hour = 12;
    birth.east = false;
    birth.latDegrees = 51;
    birth.latMinutes = 30;
    ApplyZoneRow(29, birth);
    return birth;
}

BirthData Delhi1980(bool daylightSaving)
{
    return test::Delhi1980Birth(daylightSaving);
}

// The position table's short texts of a chart.
Slots ShortTexts(const Chart& chart)
{
    Slots slots;
    for (const Body body : AllBodies) slots[IndexOf(body)] = ShortPositionText(chart.longitude(body));
    return slots;
}

}  // namespace

TEST(Chart, Greenwich2000)
{
    const Chart chart = ComputeChart(Greenwich2000());
    const Slots expected{"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30",
                         "16 Ari 21", "20 Cap 56", "09 Cap 20", "17 Sco 36", "00 Ari 26"};
    EXPECT_EQ(ShortTexts(chart), expected);
    EXPECT_EQ(LongPositionText(chart.longitude(Body::Ascendant)), "0\u00B0 26' 38\" Ari");
    EXPECT_EQ(LongPositionText(chart.longitude(Body::Moon)), "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(SignOf(chart.longitude(Body::Moon)), 6);
    EXPECT_NEAR(chart.ayanamsa1900(), -23.85399, 0.000005);
}

TEST(Chart, Delhi1980)
{
    const Chart chart = ComputeChart(Delhi1980(false));
    const Slots expected{"00 Gem 30", "28 Gem 01", "24 Gem 58", "00 Gem 56", "22 Leo 58", "10 Leo 08",
                         "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "14 Gem 51"};
    EXPECT_EQ(ShortTexts(chart), expected);
    EXPECT_EQ(LongPositionText(chart.longitude(Body::Ascendant)), "14\u00B0 51' 54\" Gem");
    EXPECT_EQ(LongPositionText(chart.longitude(Body::Moon)), "28\u00B0 1' 43\" Gem");
    EXPECT_NEAR(chart.ayanamsa1900(), -23.58185, 0.000005);
}

TEST(Chart, Delhi1980WithDaylightSavingIsOneHourEarlierThroughout)
{
    const Chart chart = ComputeChart(Delhi1980(true));
    const Slots expected{"00 Gem 28", "27 Gem 28", "24 Gem 55", "00 Gem 57", "22 Leo 57", "10 Leo 07",
                         "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "01 Gem 09"};
    EXPECT_EQ(ShortTexts(chart), expected);
    EXPECT_EQ(LongPositionText(chart.longitude(Body::Ascendant)), "1\u00B0 9' 5\" Gem");
}

TEST(Chart, WholeChartIsTheSameForEqualMoments)
{
    // 06:30 in India with daylight saving is 00:00 UT; so is 00:00 in Greenwich.
    BirthData greenwich = Delhi1980(false);
    greenwich.hour = 0;
    greenwich.minute = 0;
    ApplyZoneRow(29, greenwich);
    BirthData india = Delhi1980(true);
    india.hour = 6;
    india.minute = 30;
    const Chart a = ComputeChart(greenwich);
    const Chart b = ComputeChart(india);
    for (const Body body : AllBodies) {
        if (body != Body::Ascendant) {
            EXPECT_EQ(a.longitude(body), b.longitude(body)) << NameOf(body);
        }
    }
}

TEST(Chart, AscendantPassesThroughEverySignInADay)
{
    BirthData birth = Greenwich2000();
    std::set<int> signs;
    for (int minutes = 0; minutes < 24 * 60; minutes += 4) {
        birth.hour = minutes / 60;
        birth.minute = minutes % 60;
        signs.insert(SignOf(ComputeChart(birth).longitude(Body::Ascendant)));
    }
    EXPECT_EQ(signs, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(Chart, EverySlotNamesASignAcrossTheFormsRange)
{
    // Sweeps dates, zones, hemispheres and daylight saving: no slot may come
    // out without a sign or with a degree of 30 or more.
    for (int year = 1901; year <= 2050; year += 3) {
        for (int row = 0; row < 71; row += 5) {
            BirthData birth;
            birth.year = year;
            birth.month = 1 + (year + row) % 12;
            birth.day = 1 + (year * 7 + row) % 28;
            birth.hour = (year + row) % 24;
            birth.minute = (year * row) % 60;
            birth.lonDegrees = (year * 13 + row) % 180;
            birth.lonMinutes = row % 60;
            birth.east = row % 2 == 0;
            birth.latDegrees = (year + row * 3) % 90;
            birth.south = year % 2 == 0;
            birth.daylightSaving = row % 10 == 0;
            ApplyZoneRow(row, birth);
            const Chart chart = ComputeChart(birth);
            const Slots slots = ShortTexts(chart);
            for (int k = 0; k < ChartPointCount; ++k) {
                const std::string& slot = slots[k];
                ASSERT_EQ(slot.size(), 9u) << "slot " << k << " " << slot << " in " << year;
                const int sign = SignOf(chart.longitudes[k]);
                ASSERT_GE(sign, 0) << "slot " << k << " " << slot;
                EXPECT_EQ(slot.substr(3, 3), SignAbbreviation(sign)) << "slot " << k;
                EXPECT_LT(std::stoi(slot.substr(0, 2)), 30) << slot;
                EXPECT_LT(std::stoi(slot.substr(7, 2)), 60) << slot;
            }
        }
    }
}

TEST(Chart, EachKernelAloneGivesTheChartsNumbers)
{
    // No step depends on another having run first.
    const BirthData birth = Delhi1980(false);
    const UniversalMoment moment = UniversalMomentOf(birth);
    const Place place = PlaceOf(birth);
    const auto planets = SiderealPlanets(moment);
    const double moon = SiderealMoon(moment);
    const double ascendant = SiderealAscendant(moment, place);
    const Chart chart = ComputeChart(moment, place);
    EXPECT_EQ(chart.longitude(Body::Moon), moon);
    EXPECT_EQ(chart.longitude(Body::Ascendant), ascendant);
    EXPECT_EQ(chart.longitude(Body::Sun), planets[ElementSun]);
    EXPECT_EQ(chart.longitude(Body::Mercury), planets[ElementMercury]);
    EXPECT_EQ(chart.longitude(Body::Pluto), planets[ElementPluto]);
    EXPECT_EQ(chart.ayanamsa1900(), Ayanamsa1900At(moment));
}
