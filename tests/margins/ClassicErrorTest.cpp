// Classic warnings: a point within the classic method's error of an edge.
#include <gtest/gtest.h>

#include "margins/ClassicError.h"

using namespace zodiora;
using margins::Boundary;

namespace {

Chart ChartWith(Ephemeris ephemeris, Body body, double longitude)
{
    Chart chart;
    chart.settings.ephemeris = ephemeris;
    // Every point well inside a navamsa (1°40′ into it) but the one placed.
    chart.longitudes.fill(5.0 / 3.0);
    chart.longitudes[IndexOf(body)] = longitude;
    return chart;
}

}  // namespace

TEST(ClassicWarnings, AMoonOneMinuteFromASignEdgeIsFlaggedTwentyMinutesIsNot)
{
    const auto near = margins::ClassicWarnings(ChartWith(Ephemeris::Classic, Body::Moon, 60.0 - 1.0 / 60));
    ASSERT_EQ(near.size(), 1u);
    EXPECT_EQ(near[0].point, Body::Moon);
    EXPECT_EQ(near[0].boundary, Boundary::Sign);
    EXPECT_NEAR(near[0].distance, 1.0 / 60, 1e-9);
    EXPECT_DOUBLE_EQ(near[0].error, 3.0 / 60);

    EXPECT_TRUE(margins::ClassicWarnings(ChartWith(Ephemeris::Classic, Body::Moon, 60.0 + 20.0 / 60)).empty());
    // The precise ephemeris needs no warning.
    EXPECT_TRUE(margins::ClassicWarnings(ChartWith(Ephemeris::Precise, Body::Moon, 60.0 - 1.0 / 60)).empty());
}

TEST(ClassicWarnings, EachPointIsHeldToItsOwnErrorAndItsCoarsestEdge)
{
    // Saturn (12′) 10′ past a nakshatra edge; the Sun (1′) 2′ from a navamsa edge.
    const auto saturn = margins::ClassicWarnings(ChartWith(Ephemeris::Classic, Body::Saturn, 40.0 + 10.0 / 60));
    ASSERT_EQ(saturn.size(), 1u);
    EXPECT_EQ(saturn[0].boundary, Boundary::Nakshatra);
    EXPECT_TRUE(margins::ClassicWarnings(ChartWith(Ephemeris::Classic, Body::Sun, 10.0 / 3 + 2.0 / 60)).empty());
    const auto onNavamsa = margins::ClassicWarnings(ChartWith(Ephemeris::Classic, Body::Mars, 10.0 / 3 - 5.0 / 60));
    ASSERT_EQ(onNavamsa.size(), 1u);
    EXPECT_EQ(onNavamsa[0].boundary, Boundary::Navamsa);
}
