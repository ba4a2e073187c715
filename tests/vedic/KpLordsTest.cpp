// KP star, sub and sub-sub lords: a published KP table and the edges of
// the first and last subs.
#include <gtest/gtest.h>

#include "vedic/KpLords.h"

using namespace zodiora::vedic;

namespace {

double Position(int sign, int degrees, int minutes)
{
    return sign * 30.0 + degrees + minutes / 60.0;
}

constexpr double Nakshatra = 40.0 / 3;

}  // namespace

TEST(KpLords, PublishedKpTable)
{
    // The KP table quoted in issue 20: Sun 4s25°58′ Venus/Ketu, Moon
    // 10s23°11′ Jupiter/Saturn, a cusp at 0s19°19′ Venus/Rahu.
    const KpLords sun = KpLordsOf(Position(4, 25, 58));
    EXPECT_EQ(sun.star, DashaLord::Venus);
    EXPECT_EQ(sun.sub, DashaLord::Ketu);
    const KpLords moon = KpLordsOf(Position(10, 23, 11));
    EXPECT_EQ(moon.star, DashaLord::Jupiter);
    EXPECT_EQ(moon.sub, DashaLord::Saturn);
    const KpLords cusp = KpLordsOf(Position(0, 19, 19));
    EXPECT_EQ(cusp.star, DashaLord::Venus);
    EXPECT_EQ(cusp.sub, DashaLord::Rahu);
    // Within Purva Phalguni's Ketu sub (12°33′20″ to 13°20′ of it), 25°58′
    // of Leo is 0°04′40″ in: past Ketu's own 0°02′43.3″, in Venus's part.
    EXPECT_EQ(sun.subSub, DashaLord::Venus);
}

TEST(KpLords, FirstSubOfTheZodiacAndItsEdge)
{
    // Ashwini (Ketu): Ketu's sub is 7/120 of 13°20′ = 0°46′40″, its first
    // part Ketu's 7/120 of that = 2′43.3″.
    EXPECT_EQ(KpLordsOf(0.0).sub, DashaLord::Ketu);
    EXPECT_EQ(KpLordsOf(0.0).subSub, DashaLord::Ketu);
    const double ketuSub = Nakshatra * 7 / 120;
    EXPECT_EQ(KpLordsOf(ketuSub - 1e-7).sub, DashaLord::Ketu);
    EXPECT_EQ(KpLordsOf(ketuSub - 1e-7).subSub, DashaLord::Mercury);  // the sub's last part
    EXPECT_EQ(KpLordsOf(46 / 60.0 + 40 / 3600.0).sub, DashaLord::Venus);  // typed boundary starts Venus
    EXPECT_EQ(KpLordsOf(46 / 60.0 + 40 / 3600.0).subSub, DashaLord::Venus);
    EXPECT_EQ(KpLordsOf(ketuSub * 7 / 120 + 1e-7).subSub, DashaLord::Venus);
}

TEST(KpLords, LastSubOfTheZodiacAndTheWrap)
{
    // Revati (Mercury): its last sub is Saturn's, 19/120 of 13°20′ = 2°06′40″.
    const double saturnStart = 360.0 - Nakshatra * 19 / 120;
    EXPECT_EQ(KpLordsOf(saturnStart - 1e-7).sub, DashaLord::Jupiter);
    EXPECT_EQ(KpLordsOf(Position(11, 27, 53) + 20 / 3600.0).sub, DashaLord::Saturn);  // 357°53′20″ typed
    const KpLords last = KpLordsOf(360.0 - 1e-7);
    EXPECT_EQ(last.star, DashaLord::Mercury);
    EXPECT_EQ(last.sub, DashaLord::Saturn);
    EXPECT_EQ(last.subSub, DashaLord::Jupiter);  // Saturn's sub ends with Jupiter's part
    const KpLords wrapped = KpLordsOf(360.0);
    EXPECT_EQ(wrapped.star, DashaLord::Ketu);
    EXPECT_EQ(wrapped.sub, DashaLord::Ketu);
    EXPECT_EQ(KpLordsOf(-1e-7).sub, DashaLord::Saturn);
}

TEST(KpLords, StarLordIsTheNakshatrasAndSubsFollowVimshottariOrder)
{
    for (int n = 0; n < 27; ++n) {
        const double start = n * Nakshatra;
        const KpLords first = KpLordsOf(start + 1e-6);
        EXPECT_EQ(static_cast<int>(first.star), n % 9);
        EXPECT_EQ(first.sub, first.star);
        EXPECT_EQ(first.subSub, first.star);
        // The second sub begins after the star lord's share.
        const double second = start + Nakshatra * DashaLordYears(first.star) / 120;
        EXPECT_EQ(KpLordsOf(second + 1e-6).sub, NextDashaLord(first.star));
    }
}
