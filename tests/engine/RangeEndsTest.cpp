// The precise ephemeris at the ends of its years (1583-01-01, 2399-12-31):
// a birth entered as the form holds it, through the local calendar and the
// Julian day, gives the Swiss Ephemeris's own positions for that Gregorian
// moment, asked for directly.
#include <gtest/gtest.h>

#include <swephexp.h>

#include <cmath>

#include "birthdata/BirthDataInput.h"
#include "engine/Engine.h"
#include "engine/YearRange.h"

using namespace zodiora;

namespace {

// One arc-second: the chart's own path may round differently from a direct
// call (a Julian day built from parts), never by more.
constexpr double ToleranceDegrees = 1.0 / 3600;

double Separation(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

BirthData Birth(int year, int month, int day, int hour, int minute, int zoneRow)
{
    BirthFormInput input;
    input.name = "A";
    input.year = year;
    input.monthIndex = month - 1;
    input.day = day;
    input.hour = hour;
    input.minute = minute;
    input.zoneRow = zoneRow;
    input.latDegrees = "21";
    input.latMinutes = "38";
    input.lonDegrees = "69";
    input.lonMinutes = "36";
    input.east = true;
    EXPECT_FALSE(ValidateBirthData(input).has_value());
    BirthData birth;
    ReadBirthData(input, birth);
    return birth;
}

void ExpectSwissPositions(const BirthData& birth, int utYear, int utMonth, int utDay, double utHours)
{
    CalculationSettings settings;
    settings.ephemeris = Ephemeris::Precise;
    const Chart chart = ComputeChart(birth, settings);

    const double jd = swe_julday(utYear, utMonth, utDay, utHours, SE_GREG_CAL);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const int bodies[] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN,
                          SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
    const Body points[] = {Body::Sun,     Body::Moon,   Body::Mercury, Body::Venus,   Body::Mars, Body::Jupiter,
                           Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto,   Body::Rahu};
    for (std::size_t k = 0; k < std::size(bodies); ++k) {
        double xx[6];
        char error[AS_MAXCH];
        ASSERT_GE(swe_calc_ut(jd, bodies[k], SEFLG_MOSEPH | SEFLG_SIDEREAL, xx, error), 0) << error;
        EXPECT_LT(Separation(chart.longitude(points[k]), xx[0]), ToleranceDegrees) << NameOf(points[k]);
    }
    double cusps[13];
    double ascmc[10];
    swe_houses_ex(jd, SEFLG_SIDEREAL, 21 + 38 / 60.0, 69 + 36 / 60.0, 'P', cusps, ascmc);
    EXPECT_LT(Separation(chart.longitude(Body::Ascendant), ascmc[0]), ToleranceDegrees);
}

}  // namespace

TEST(PreciseRangeEnds, FirstDayOf1583IsTheSwissEphemerisGregorianMoment)
{
    // 00:30 at +05:30 (zone row 34, IST) is 19:00 UT the day before: the
    // moment crosses back into 1582, which the kernels must still take.
    const BirthData birth = Birth(PreciseYears.first, 1, 1, 0, 30, 34);
    ExpectSwissPositions(birth, 1582, 12, 31, 19.0);
}

TEST(PreciseRangeEnds, LastDayOf2399IsTheSwissEphemerisGregorianMoment)
{
    const BirthData birth = Birth(PreciseYears.last, 12, 31, 23, 59, 29);
    ExpectSwissPositions(birth, 2399, 12, 31, 23 + 59 / 60.0);
}

TEST(PreciseRangeEnds, ClassicEphemerisRefusesYearsBeyondItsOwn)
{
    EXPECT_THROW(ComputeChart(Birth(1900, 12, 31, 12, 0, 29), Ephemeris::Classic), std::out_of_range);
    EXPECT_THROW(ComputeChart(Birth(2051, 1, 1, 12, 0, 29), Ephemeris::Classic), std::out_of_range);
    EXPECT_NO_THROW(ComputeChart(Birth(2050, 12, 31, 12, 0, 29), Ephemeris::Classic));
}
