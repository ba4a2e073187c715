// Nakshatra, pada, lord and Navamsa: a hand-worked Moon, every 3°20′
// boundary typed in arc-minutes, and the ends of the zodiac.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "vedic/Nakshatra.h"
#include "vedic/Navamsa.h"
#include "SignIndices.h"

using namespace zodiora::vedic;
using namespace zodiora::test;

namespace {

double Dms(int degrees, int minutes, int seconds = 0)
{
    return degrees + minutes / 60.0 + seconds / 3600.0;
}


}  // namespace

TEST(Divisions, MoonAt28Gemini01IsPunarvasuThirdPadaNavamsaGemini)
{
    const NakshatraPosition moon = NakshatraOf(88.0167);
    EXPECT_EQ(NakshatraName(moon.index), "Punarvasu");
    EXPECT_EQ(moon.pada, 3);
    EXPECT_EQ(moon.lord, DashaLord::Jupiter);
    EXPECT_NEAR(moon.elapsed, (88.0167 - 80.0) / (40.0 / 3.0), 1e-12);
    EXPECT_EQ(NavamsaSign(88.0167), Gemini);
}

TEST(Divisions, ExactlyThirteenTwentyStartsBharani)
{
    for (double longitude : {Dms(13, 20), 40.0 / 3.0, 13.333333333333332}) {
        const NakshatraPosition p = NakshatraOf(longitude);
        EXPECT_EQ(NakshatraName(p.index), "Bharani") << longitude;
        EXPECT_EQ(p.pada, 1);
        EXPECT_EQ(p.lord, DashaLord::Venus);
        EXPECT_EQ(p.elapsed, 0.0);
        EXPECT_EQ(NavamsaSign(longitude), Leo);
    }
    const NakshatraPosition before = NakshatraOf(Dms(13, 19, 59));
    EXPECT_EQ(NakshatraName(before.index), "Ashwini");
    EXPECT_EQ(before.pada, 4);
    EXPECT_EQ(NavamsaSign(Dms(13, 19, 59)), Cancer);
}

TEST(Divisions, EndsOfTheZodiac)
{
    const double lastSecond = 330 + Dms(29, 59, 59);
    const NakshatraPosition revati = NakshatraOf(lastSecond);
    EXPECT_EQ(NakshatraName(revati.index), "Revati");
    EXPECT_EQ(revati.pada, 4);
    EXPECT_EQ(revati.lord, DashaLord::Mercury);
    EXPECT_LT(revati.elapsed, 1.0);
    EXPECT_GT(revati.elapsed, 0.9999);
    EXPECT_EQ(NavamsaSign(lastSecond), Pisces);

    for (double start : {0.0, 360.0, 720.0, -360.0}) {
        const NakshatraPosition p = NakshatraOf(start);
        EXPECT_EQ(p.index, 0) << start;
        EXPECT_EQ(p.pada, 1);
        EXPECT_EQ(p.lord, DashaLord::Ketu);
        EXPECT_EQ(p.elapsed, 0.0);
        EXPECT_EQ(NavamsaSign(start), Aries);
    }
    EXPECT_EQ(NakshatraName(NakshatraOf(-0.001).index), "Revati");
    EXPECT_EQ(NavamsaSign(-0.001), Pisces);
    // A hair below 360 that rounds onto it wraps to the start, not to index 27.
    EXPECT_EQ(NakshatraOf(std::nextafter(360.0, 0.0)).index, 0);
}

TEST(Divisions, EveryQuarterBoundaryTypedInArcMinutes)
{
    for (int k = 0; k < 108; ++k) {
        const double boundary = k * 200 / 60.0;  // k × 3°20′
        const NakshatraPosition at = NakshatraOf(boundary);
        EXPECT_EQ(at.index, k / 4) << k;
        EXPECT_EQ(at.pada, k % 4 + 1) << k;
        EXPECT_EQ(static_cast<int>(at.lord), (k / 4) % 9) << k;
        EXPECT_EQ(NavamsaSign(boundary), k % 12) << k;

        const double secondBefore = boundary - 1 / 3600.0;
        const int previous = (k + 107) % 108;
        EXPECT_EQ(NakshatraOf(secondBefore).index, previous / 4) << k;
        EXPECT_EQ(NakshatraOf(secondBefore).pada, previous % 4 + 1) << k;
        EXPECT_EQ(NavamsaSign(secondBefore), previous % 12) << k;
    }
}

TEST(Divisions, NavamsaCountsMovableFromItselfFixedFromNinthDualFromFifth)
{
    for (int sign = 0; sign < 12; ++sign) {
        const int offset = sign % 3 == 0 ? 0 : sign % 3 == 1 ? 8 : 4;
        for (int part = 0; part < 9; ++part) {
            const double middle = sign * 30 + (part + 0.5) * 30.0 / 9;
            EXPECT_EQ(NavamsaSign(middle), (sign + offset + part) % 12) << sign << " " << part;
        }
    }
}

TEST(Divisions, TwentySevenDistinctNamesAndLordsRepeatingEveryNine)
{
    std::set<std::string> names;
    for (int k = 0; k < 27; ++k) {
        const std::string name(NakshatraName(k));
        EXPECT_FALSE(name.empty());
        names.insert(name);
        EXPECT_EQ(NakshatraOf(k * 40.0 / 3 + 1).index, k);
    }
    EXPECT_EQ(names.size(), 27u);
    EXPECT_EQ(NakshatraName(11), "Uttara Phalguni");
    EXPECT_EQ(NakshatraName(24), "Purva Bhadrapada");
    EXPECT_TRUE(NakshatraName(27).empty());
    EXPECT_TRUE(NakshatraName(-1).empty());
    EXPECT_EQ(NakshatraOf(9 * 40.0 / 3 + 1).lord, DashaLord::Ketu);     // Magha
    EXPECT_EQ(NakshatraOf(18 * 40.0 / 3 + 1).lord, DashaLord::Ketu);    // Mula
    EXPECT_EQ(NakshatraOf(17 * 40.0 / 3 + 1).lord, DashaLord::Mercury); // Jyeshtha
    EXPECT_EQ(DashaLordName(DashaLord::Rahu), "Rahu");
}
