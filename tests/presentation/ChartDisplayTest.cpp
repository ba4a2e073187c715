#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "presentation/ChartSession.h"
#include "SampleBirths.h"

namespace zodiora {
namespace {

void ExpectSameDisplay(const ChartDisplay& got, const ChartDisplay& want)
{
    EXPECT_EQ(got.positions, want.positions);
    EXPECT_EQ(got.planetNames, want.planetNames);
    EXPECT_EQ(got.rashi, want.rashi);
    EXPECT_EQ(got.sunSign, want.sunSign);
    EXPECT_EQ(got.lagna, want.lagna);
    EXPECT_EQ(got.details.name, want.details.name);
    EXPECT_EQ(got.details.dob, want.details.dob);
    EXPECT_EQ(got.details.tob, want.details.tob);
    EXPECT_EQ(got.details.latitude, want.details.latitude);
    EXPECT_EQ(got.details.longitude, want.details.longitude);
    EXPECT_EQ(got.details.city, want.details.city);
    EXPECT_EQ(got.signBoxTexts, want.signBoxTexts);
    EXPECT_EQ(got.rotation, want.rotation);
    EXPECT_EQ(got.houses, want.houses);
    EXPECT_EQ(got.glyphs, want.glyphs);
}

// A batch refills one result chart after chart: nothing of the chart before
// may stay behind, not even the composed report of a chart that had one.
TEST(ChartSession, ARefilledResultHoldsOnlyTheNewChart)
{
    BirthFormInput second = test::Mumbai1975Input();
    second.lonSeconds = "30";  // a longitude to the second: a longer text than the first chart's

    ChartSession refilling;
    ChartResult reused;
    refilling.run(test::Delhi1980Input(true), ChartSession::ReportMode::Compose, reused);
    ASSERT_FALSE(reused.report.empty());
    refilling.run(second, ChartSession::ReportMode::Skip, reused);

    ChartSession fresh;
    fresh.run(test::Delhi1980Input(true), ChartSession::ReportMode::Compose);
    const ChartResult want = fresh.run(second, ChartSession::ReportMode::Skip);

    EXPECT_TRUE(reused.report.empty());
    EXPECT_EQ(reused.chart.longitudes, want.chart.longitudes);
    EXPECT_EQ(reused.birth.city, "Mumbai");
    EXPECT_EQ(reused.clock.offsetSeconds, want.clock.offsetSeconds);
    ExpectSameDisplay(reused.display, want.display);
}

TEST(ChartDisplay, AnAscendantWithoutASignClearsTheWheelLeftByTheChartBefore)
{
    const BirthData birth = test::Delhi1980Birth();
    const Chart chart = ComputeChart(birth, Ephemeris::Classic);
    Chart signless = chart;
    signless.longitudes[IndexOf(Body::Ascendant)] = 400.0;  // names no sign
    const RetrogradeFlags retrograde = RetrogradesOf(birth);

    ChartDisplay display = BuildChartDisplay(birth, chart, retrograde);
    ASSERT_TRUE(display.glyphs.has_value());
    FillChartDisplay(birth, signless, retrograde, display);
    EXPECT_FALSE(display.glyphs.has_value());
    EXPECT_TRUE(display.lagna.empty());
    ExpectSameDisplay(display, BuildChartDisplay(birth, signless, retrograde));
}

}  // namespace
}  // namespace zodiora
