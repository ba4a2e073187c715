// Mean lunar node against a published worked value, its retrograde
// motion, and the sidereal pair; the true node against the Swiss Ephemeris.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/LunarNode.h"
#include "precise/PreciseEphemeris.h"

using namespace zodiora;

TEST(MeanNode, PublishedValues)
{
    EXPECT_NEAR(MeanNodeTropical(2451545.0), 125.0445479, 1e-9);
    EXPECT_NEAR(MeanNodeTropical(2446895.5), 11.2531, 1e-4);  // 1987-04-10 0h (Meeus, example 22.a)
}

TEST(MeanNode, MovesBackwardsAboutOneRevolutionIn18Point6Years)
{
    const double jd = 2444239.5;
    const double perDay = MeanNodeTropical(jd) - MeanNodeTropical(jd + 1);
    EXPECT_NEAR(perDay, 0.05295, 0.0001);
    EXPECT_NEAR(MeanNodeTropical(jd + 6798.4), MeanNodeTropical(jd), 0.1);
}

TEST(MeanNode, SiderealNodesAreOppositeAndWrap)
{
    const LunarNodes nodes = MeanNodes(2451545.0, -23.85);
    EXPECT_NEAR(nodes.rahu, 125.0445479 - 23.85, 1e-9);
    EXPECT_NEAR(nodes.ketu, 125.0445479 - 23.85 + 180, 1e-9);

    const LunarNodes wrapped = MeanNodes(2446895.5, -23.0);  // tropical 11.25°
    EXPECT_NEAR(wrapped.rahu, 360 + 11.2531 - 23.0, 1e-4);
    EXPECT_NEAR(wrapped.ketu, 11.2531 - 23.0 + 180, 1e-4);
    for (const LunarNodes& n : {nodes, wrapped}) {
        EXPECT_GE(n.rahu, 0.0);
        EXPECT_LT(n.rahu, 360.0);
        EXPECT_GE(n.ketu, 0.0);
        EXPECT_LT(n.ketu, 360.0);
    }
}

TEST(TrueNode, WithinItsToleranceOfTheSwissEphemerisFrom1901To2050)
{
    double worst = 0;
    for (double jd = 2415385.5; jd < 2470172.5; jd += 0.7) {  // 1901-01-01 to 2051-01-01
        const double swiss = precise::TropicalNode(jd, NodeKind::True).value();
        worst = std::max(worst, std::abs(std::remainder(TrueNodeTropical(jd) - swiss, 360.0)));
    }
    EXPECT_LT(worst, TrueNodeTolerance);
    // A tolerance far above what is measured would hide a broken term.
    EXPECT_GT(worst, TrueNodeTolerance - 0.02);
}

TEST(TrueNode, SwingsAroundTheMeanNodeByAboutOneAndAHalfDegrees)
{
    double widest = 0;
    for (double jd = 2451545.0; jd < 2451545.0 + 365; jd += 0.5) {
        const double swing = std::remainder(TrueNodeTropical(jd) - MeanNodeTropical(jd), 360.0);
        widest = std::max(widest, std::abs(swing));
    }
    EXPECT_GT(widest, 1.4);
    EXPECT_LT(widest, 2.0);
}

TEST(TrueNode, TheKindChoosesTheNode)
{
    const double jd = 2451545.0;
    EXPECT_EQ(NodesAt(jd, -23.85, NodeKind::Mean).rahu, MeanNodes(jd, -23.85).rahu);
    const LunarNodes trueNodes = NodesAt(jd, -23.85, NodeKind::True);
    EXPECT_NEAR(trueNodes.rahu, std::fmod(TrueNodeTropical(jd) - 23.85 + 360, 360), 1e-9);
    EXPECT_NEAR(std::remainder(trueNodes.ketu - trueNodes.rahu, 360.0), 180.0, 1e-9);
}
