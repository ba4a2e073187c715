#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

#include "panchang/Panchang.h"

namespace {

using zodiora::AyanamsaKind;
using zodiora::panchang::PanchangAt;
using zodiora::precise::SunriseOutcome;

constexpr int Ist = 330;  // +05:30, minutes

double JulianDay(int year, unsigned month, unsigned day, int hour, int minute, int second, int offsetMinutes)
{
    using namespace std::chrono;
    const auto date = sys_days{std::chrono::year{year} / month / day};
    const double seconds = hour * 3600.0 + minute * 60.0 + second - offsetMinutes * 60.0;
    return 2440587.5 + date.time_since_epoch().count() + seconds / 86400.0;
}

double SecondsApart(double a, double b) { return std::abs(a - b) * 86400.0; }

// drik-panchanga and PyJHora test data: Bangalore, 2013-01-18 (a Friday):
// Shukla Saptami ends 16:24:20 IST with apparent positions; sunrise 06:49:46.
TEST(Panchang, BangalorePublishedDay)
{
    const auto panchang = PanchangAt(JulianDay(2013, 1, 18, 10, 0, 0, Ist), 12.972, 77.594, AyanamsaKind::Lahiri);
    ASSERT_TRUE(panchang);
    EXPECT_EQ(panchang->tithi.number, 7);
    EXPECT_LT(SecondsApart(panchang->tithi.endJd, JulianDay(2013, 1, 18, 16, 24, 20, Ist)), 2.0);
    EXPECT_LT(SecondsApart(panchang->sunriseJd, JulianDay(2013, 1, 18, 6, 49, 46, Ist)), 2.0);
    EXPECT_EQ(panchang->vara, 6);
    EXPECT_EQ(panchang->nakshatra.number, 27);
    // By 10:00 Saptami is in its second half, Vanija (karana 14), which ends with it.
    EXPECT_EQ(panchang->karana.number, 14);
    EXPECT_EQ(panchang->karana.endJd, panchang->tithi.endJd);
}

// A birth at 06:30, before the 06:49 sunrise, belongs to Thursday's vara.
TEST(Panchang, BeforeSunriseTakesThePreviousVara)
{
    const auto panchang = PanchangAt(JulianDay(2013, 1, 18, 6, 30, 0, Ist), 12.972, 77.594, AyanamsaKind::Lahiri);
    ASSERT_TRUE(panchang);
    EXPECT_EQ(panchang->vara, 5);
    const auto after = PanchangAt(JulianDay(2013, 1, 18, 6, 51, 0, Ist), 12.972, 77.594, AyanamsaKind::Lahiri);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->vara, 6);
}

// Each end is the moment the limb changes: a second before it the limb
// still runs, a second after it the next one has begun.
TEST(Panchang, EndsAreTheChanges)
{
    const double birth = JulianDay(2024, 7, 17, 9, 15, 0, Ist);
    const auto panchang = PanchangAt(birth, 13.0878, 80.2785, AyanamsaKind::Lahiri);
    ASSERT_TRUE(panchang);
    const double second = 1.0 / 86400.0;
    for (const auto& [limb, member] : {std::pair{panchang->tithi, &zodiora::panchang::Panchang::tithi},
                                       std::pair{panchang->nakshatra, &zodiora::panchang::Panchang::nakshatra},
                                       std::pair{panchang->yoga, &zodiora::panchang::Panchang::yoga},
                                       std::pair{panchang->karana, &zodiora::panchang::Panchang::karana}}) {
        EXPECT_GT(limb.endJd, birth);
        const auto before = PanchangAt(limb.endJd - second, 13.0878, 80.2785, AyanamsaKind::Lahiri);
        const auto after = PanchangAt(limb.endJd + second, 13.0878, 80.2785, AyanamsaKind::Lahiri);
        ASSERT_TRUE(before && after);
        EXPECT_EQ(((*before).*member).number, limb.number);
        EXPECT_NE(((*after).*member).number, limb.number);
    }
}

// Tromsø in the polar night: the limbs are given, sunrise and vara are not.
TEST(Panchang, PolarNightHasNoSunrise)
{
    const auto panchang = PanchangAt(JulianDay(2020, 12, 21, 12, 0, 0, 60), 69.65, 18.96, AyanamsaKind::Lahiri);
    ASSERT_TRUE(panchang);
    EXPECT_EQ(panchang->sunrise, SunriseOutcome::NoSunrise);
    EXPECT_EQ(panchang->vara, 0);
    EXPECT_GE(panchang->tithi.number, 1);
}

}  // namespace
