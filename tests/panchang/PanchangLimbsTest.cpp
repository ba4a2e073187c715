#include <gtest/gtest.h>

#include "panchang/PanchangLimbs.h"

namespace {

using namespace zodiora::panchang;

double Degrees(int sign, int degrees, int minutes) { return sign * 30.0 + degrees + minutes / 60.0; }

// P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach, ch. on the
// panchanga: Moon 14°43' Leo, Sun 28°13' Capricorn give tithi 17
// (Krishna Dwitiya) and yoga 6 (Atiganda).
TEST(PanchangLimbs, NarasimhaRaoWorkedExample)
{
    const double moon = Degrees(4, 14, 43);
    const double sun = Degrees(9, 28, 13);
    EXPECT_EQ(TithiNumber(moon, sun), 17);
    EXPECT_EQ(PakshaOf(17), Paksha::Krishna);
    EXPECT_EQ(TithiDayName(17), "Dwitiya");
    EXPECT_EQ(TithiDayName(16), "Pratipada");
    EXPECT_EQ(YogaNumber(moon, sun), 6);
    EXPECT_EQ(YogaName(6), "Atiganda");
    EXPECT_EQ(KaranaNumber(moon, sun), 33);
}

TEST(PanchangLimbs, TithiEdges)
{
    EXPECT_EQ(TithiNumber(10.0, 10.0), 1);
    EXPECT_EQ(TithiNumber(21.999, 10.0), 1);
    EXPECT_EQ(TithiNumber(22.0, 10.0), 2);
    EXPECT_EQ(TithiNumber(9.999, 10.0), 30);
    EXPECT_EQ(TithiDayName(15), "Purnima");
    EXPECT_EQ(TithiDayName(30), "Amavasya");
    EXPECT_EQ(TithiName(7), "Shukla Saptami");
    EXPECT_EQ(TithiName(29), "Krishna Chaturdashi");
    EXPECT_EQ(TithiName(15), "Purnima");
    EXPECT_EQ(PakshaOf(15), Paksha::Shukla);
    EXPECT_EQ(PakshaOf(16), Paksha::Krishna);
}

// Kimstughna opens the month; the seven movable karanas repeat eight times;
// the three fixed ones close it.
TEST(PanchangLimbs, KaranaCycle)
{
    EXPECT_EQ(KaranaName(1), "Kimstughna");
    EXPECT_EQ(KaranaName(2), "Bava");
    EXPECT_EQ(KaranaName(8), "Vishti");
    EXPECT_EQ(KaranaName(9), "Bava");
    EXPECT_EQ(KaranaName(13), "Gara");
    EXPECT_EQ(KaranaName(57), "Vishti");
    EXPECT_EQ(KaranaName(58), "Shakuni");
    EXPECT_EQ(KaranaName(59), "Chatushpada");
    EXPECT_EQ(KaranaName(60), "Naga");
    EXPECT_EQ(KaranaNumber(6.0, 0.0), 2);
    EXPECT_EQ(KaranaNumber(359.9, 0.0), 60);
}

TEST(PanchangLimbs, VaraAndLord)
{
    EXPECT_EQ(WeekdayAt(2451545.0, 0.0), 7);  // 2000-01-01 noon UT, a Saturday
    EXPECT_EQ(VaraName(7), "Saturday");
    EXPECT_EQ(VaraLord(1), zodiora::vedic::Graha::Sun);
    EXPECT_EQ(VaraLord(6), zodiora::vedic::Graha::Venus);
    EXPECT_EQ(VaraLord(7), zodiora::vedic::Graha::Saturn);
    // 2000-01-01 23:30 UT is already Sunday at 77°E (local mean time 04:38).
    EXPECT_EQ(WeekdayAt(2451545.479, 77.0), 1);
}

}  // namespace
