#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

#include "precise/HinduSunrise.h"

namespace {

using zodiora::precise::HinduDayAt;
using zodiora::precise::SunriseOutcome;

// Julian day (UT) of a clock time `offsetMinutes` ahead of universal time.
double JulianDay(int year, unsigned month, unsigned day, int hour, int minute, int second, int offsetMinutes)
{
    using namespace std::chrono;
    const auto date = sys_days{std::chrono::year{year} / month / day};
    const double seconds = hour * 3600.0 + minute * 60.0 + second - offsetMinutes * 60.0;
    return 2440587.5 + date.time_since_epoch().count() + seconds / 86400.0;
}

double SecondsApart(double a, double b) { return std::abs(a - b) * 86400.0; }

// Published Hindu sunrise and sunset (centre of the disc, no refraction),
// from the drik-panchanga and PyJHora test data; within 2 seconds.
TEST(HinduSunrise, PublishedSunrisesAndSunsets)
{
    const auto bangalore = HinduDayAt(JulianDay(2013, 1, 18, 12, 0, 0, 330), 12.972, 77.594);
    ASSERT_EQ(bangalore.outcome, SunriseOutcome::Found);
    EXPECT_LT(SecondsApart(bangalore.sunrise, JulianDay(2013, 1, 18, 6, 49, 46, 330)), 2.0);
    EXPECT_LT(SecondsApart(bangalore.sunset, JulianDay(2013, 1, 18, 18, 10, 25, 330)), 2.0);

    const auto chennai = HinduDayAt(JulianDay(2024, 7, 17, 12, 0, 0, 330), 13.0878, 80.2785);
    ASSERT_EQ(chennai.outcome, SunriseOutcome::Found);
    EXPECT_LT(SecondsApart(chennai.sunrise, JulianDay(2024, 7, 17, 5, 54, 27, 330)), 2.0);
    EXPECT_LT(SecondsApart(chennai.sunset, JulianDay(2024, 7, 17, 18, 35, 40, 330)), 2.0);

    const auto shillong = HinduDayAt(JulianDay(2009, 6, 21, 12, 0, 0, 330), 25.569, 91.883);
    ASSERT_EQ(shillong.outcome, SunriseOutcome::Found);
    EXPECT_LT(SecondsApart(shillong.sunrise, JulianDay(2009, 6, 21, 4, 36, 16, 330)), 2.0);
}

// A moment before sunrise belongs to the day that began at the previous sunrise.
TEST(HinduSunrise, BeforeSunriseIsThePreviousDay)
{
    const double morning = JulianDay(2013, 1, 18, 6, 30, 0, 330);
    const auto day = HinduDayAt(morning, 12.972, 77.594);
    ASSERT_EQ(day.outcome, SunriseOutcome::Found);
    EXPECT_LT(day.sunrise, morning - 0.9);
    EXPECT_GT(day.nextSunrise, morning);
    EXPECT_LT(day.sunrise, day.sunset);
    EXPECT_LT(day.sunset, day.nextSunrise);
}

// Polar night at Tromsø and the midnight sun at Longyearbyen: no sunrise, never a time.
TEST(HinduSunrise, PolarDayAndNightHaveNoSunrise)
{
    EXPECT_EQ(HinduDayAt(JulianDay(2020, 12, 21, 12, 0, 0, 60), 69.65, 18.96).outcome, SunriseOutcome::NoSunrise);
    EXPECT_EQ(HinduDayAt(JulianDay(2020, 6, 21, 12, 0, 0, 120), 78.22, 15.65).outcome, SunriseOutcome::NoSunrise);
}

TEST(HinduSunrise, RefusedOutsideTheEphemeris)
{
    EXPECT_EQ(HinduDayAt(JulianDay(6000, 1, 1, 12, 0, 0, 0), 12.972, 77.594).outcome, SunriseOutcome::Refused);
}

}  // namespace
