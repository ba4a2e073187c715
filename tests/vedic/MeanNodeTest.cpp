// Mean lunar node against a published worked value, its retrograde
// motion, and the sidereal pair.
#include <gtest/gtest.h>

#include "vedic/MeanNode.h"

using namespace zodiora::vedic;

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
