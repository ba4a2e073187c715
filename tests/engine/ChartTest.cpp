#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "Engine.h"
#include "PositionText.h"
#include "SampleBirths.h"
#include "UniversalTime.h"

using namespace zodiora;

namespace {

using Slots = std::array<std::string, ChartSlotCount>;

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
    Zone_Calculation(29, birth);
    return birth;
}

BirthData Delhi1980(bool daylightSaving)
{
    return test::Delhi1980Birth(daylightSaving);
}

ChartPositions Compute(const BirthData& birth)
{
    ChartPositions chart;
    ComputeChart(birth, chart);
    return chart;
}

}  // namespace

TEST(Chart, Greenwich2000)
{
    const ChartPositions chart = Compute(Greenwich2000());
    const Slots expected{"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30",
                         "16 Ari 21", "20 Cap 56", "09 Cap 20", "17 Sco 36", "00 Ari 26"};
    EXPECT_EQ(chart.slotTexts, expected);
    EXPECT_EQ(chart.ascendantLongText, "0\u00B0 26' 38\" Ari");
    EXPECT_EQ(chart.moonLongText, "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(chart.moonSignText, "Libra (Thula)");
    EXPECT_NEAR(chart.ayanamsa1900, -23.85399, 0.000005);
}

TEST(Chart, Delhi1980)
{
    const ChartPositions chart = Compute(Delhi1980(false));
    const Slots expected{"00 Gem 30", "28 Gem 01", "24 Gem 58", "00 Gem 56", "22 Leo 58", "10 Leo 08",
                         "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "14 Gem 51"};
    EXPECT_EQ(chart.slotTexts, expected);
    EXPECT_EQ(chart.ascendantLongText, "14\u00B0 51' 54\" Gem");
    EXPECT_EQ(chart.moonLongText, "28\u00B0 1' 43\" Gem");
    EXPECT_EQ(chart.moonSignText, "Gemini (Mithuna)");
    EXPECT_NEAR(chart.ayanamsa1900, -23.58185, 0.000005);
}

TEST(Chart, Delhi1980WithDaylightSavingIsOneHourEarlierThroughout)
{
    const ChartPositions chart = Compute(Delhi1980(true));
    const Slots expected{"00 Gem 28", "27 Gem 28", "24 Gem 55", "00 Gem 57", "22 Leo 57", "10 Leo 07",
                         "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "01 Gem 09"};
    EXPECT_EQ(chart.slotTexts, expected);
    EXPECT_EQ(chart.ascendantLongText, "1\u00B0 9' 5\" Gem");
    EXPECT_EQ(chart.moonSignText, "Gemini (Mithuna)");
}

TEST(Chart, WholeChartIsTheSameForEqualMoments)
{
    // 06:30 in India with daylight saving is 00:00 UT; so is 00:00 in Greenwich.
    BirthData greenwich = Delhi1980(false);
    greenwich.hour = 0;
    greenwich.minute = 0;
    Zone_Calculation(29, greenwich);
    BirthData india = Delhi1980(true);
    india.hour = 6;
    india.minute = 30;
    const ChartPositions a = Compute(greenwich);
    const ChartPositions b = Compute(india);
    for (int k = SunSlot; k <= PlutoSlot; ++k) {
        EXPECT_EQ(a.slotTexts[k], b.slotTexts[k]) << "slot " << k;
    }
}

TEST(Chart, AscendantPassesThroughEverySignInADay)
{
    BirthData birth = Greenwich2000();
    std::set<int> signs;
    for (int minutes = 0; minutes < 24 * 60; minutes += 4) {
        birth.hour = minutes / 60;
        birth.minute = minutes % 60;
        const ChartPositions chart = Compute(birth);
        signs.insert(SignIndexOfAbbreviation(SignFieldOfShortText(chart.slotTexts[AscendantSlot])));
    }
    EXPECT_EQ(signs, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(Chart, EverySlotNamesASignAcrossTheFormsRange)
{
    // Sweeps dates, zones, hemispheres and daylight saving: no slot may come
    // out without a sign or with a degree of 30 or more.
    ChartPositions chart;
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
            Zone_Calculation(row, birth);
            ComputeChart(birth, chart);
            for (int k = 0; k < ChartSlotCount; ++k) {
                const std::string& slot = chart.slotTexts[k];
                ASSERT_EQ(slot.size(), 9u) << "slot " << k << " " << slot << " in " << year;
                EXPECT_GE(SignIndexOfAbbreviation(SignFieldOfShortText(slot)), 0) << "slot " << k << " " << slot;
                EXPECT_LT(std::stoi(slot.substr(0, 2)), 30) << slot;
                EXPECT_LT(std::stoi(slot.substr(7, 2)), 60) << slot;
            }
        }
    }
}

TEST(Chart, ComputePlanetsRunAloneUsesWhatTheRecordHolds)
{
    ChartPositions chart;
    chart.ayanamsa1900 = -23.58185;
    chart.ascendantLongText = "3\u00B0 4' 5\" Cap";
    chart.moonLongText = "12\u00B0 0' 0\" Tau";
    ComputePlanets(Delhi1980(false), chart);
    EXPECT_EQ(chart.slotTexts[MoonSlot], "12 Tau 00");
    EXPECT_EQ(chart.slotTexts[AscendantSlot], "03 Cap 04");
    EXPECT_EQ(chart.slotTexts[SunSlot], "00 Gem 30");
}
