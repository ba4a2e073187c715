// Station context: the retrograde period around a birth, from the tables.
#include <gtest/gtest.h>

#include "margins/StationContext.h"

using namespace zodiora;
using namespace std::chrono;

namespace {

Chart BornOn(int y, int m, int d)
{
    Chart chart;
    chart.moment.localYear = y;
    chart.moment.localMonth = m;
    chart.moment.localDay = d;
    return chart;
}

sys_days Day(int y, int m, int d) { return sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}}; }

}  // namespace

TEST(StationContext, ARetrogradePlanetGetsItsPeriodAndAQuietOneNothing)
{
    // 2007-03-22: Saturn retrograde from 2006-12-06 to 2007-04-19; Mercury
    // turned direct on 03-08, two weeks before, and is left out.
    const auto context = margins::StationsAround(BornOn(2007, 3, 22));
    ASSERT_EQ(context.size(), 1u);
    EXPECT_EQ(context[0].planet, Body::Saturn);
    EXPECT_EQ(context[0].retrograde, Day(2006, 12, 6));
    EXPECT_EQ(context[0].direct, Day(2007, 4, 19));
    EXPECT_TRUE(context[0].retrogradeAtBirth);
}

TEST(StationContext, AStationWithinThreeDaysNamesThePeriodEitherSide)
{
    // Jupiter stations retrograde on 2007-04-06: three days before it the
    // period is named, four days before it is not.
    const auto before = margins::StationsAround(BornOn(2007, 4, 3));
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].planet, Body::Jupiter);
    EXPECT_FALSE(before[0].retrogradeAtBirth);
    EXPECT_EQ(before[0].direct, Day(2007, 8, 7));
    EXPECT_EQ(margins::StationsAround(BornOn(2007, 4, 2)).size(), 1u);  // Saturn only

    // Saturn turns direct on 2007-04-19: three days later, still named.
    const auto after = margins::StationsAround(BornOn(2007, 4, 22));
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[1].planet, Body::Saturn);
    EXPECT_FALSE(after[1].retrogradeAtBirth);
}

TEST(StationContext, BeyondTheTablesThePeriodComesFromThePreciseEphemeris)
{
    // 1869-10-02 (Porbandar): Jupiter retrograde in Aries, as the chart
    // marks it from the daily motion; the period holds the birth.
    bool jupiter = false;
    for (const auto& period : margins::StationsAround(BornOn(1869, 10, 2))) {
        if (period.planet != Body::Jupiter) continue;
        jupiter = true;
        EXPECT_TRUE(period.retrogradeAtBirth);
        EXPECT_LT(period.retrograde, Day(1869, 10, 2));
        EXPECT_GT(period.direct, Day(1869, 10, 2));
        EXPECT_LT(period.direct - period.retrograde, days{140});  // Jupiter's spell is about four months
    }
    EXPECT_TRUE(jupiter);
}
