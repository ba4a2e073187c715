// The natural friendships of BPHS ch. 3 that Graha Maitri reads.
#include <array>

#include <gtest/gtest.h>

#include "vedic/Friendship.h"

using namespace zodiora::vedic;

namespace {

constexpr std::array<DashaLord, 7> Planets{DashaLord::Sun,     DashaLord::Moon,  DashaLord::Mars,  DashaLord::Mercury,
                                           DashaLord::Jupiter, DashaLord::Venus, DashaLord::Saturn};

}  // namespace

TEST(Friendship, RowsOfBphsChapterThree)
{
    using enum DashaLord;
    using R = NaturalRelation;
    struct Row {
        DashaLord planet;
        std::array<R, 7> towards;  // Sun Moon Mars Mercury Jupiter Venus Saturn
    };
    const R F = R::Friend, N = R::Neutral, E = R::Enemy;
    const Row rows[]{
        {Sun, {N, F, F, N, F, E, E}},     {Moon, {F, N, N, F, N, N, N}},    {Mars, {F, F, N, E, F, N, N}},
        {Mercury, {F, E, N, N, N, F, N}}, {Jupiter, {F, F, F, E, N, E, N}}, {Venus, {E, E, N, F, N, N, F}},
        {Saturn, {E, E, E, F, N, F, N}},
    };
    for (const Row& row : rows) {
        for (std::size_t k = 0; k < Planets.size(); ++k) {
            EXPECT_EQ(NaturalRelationOf(row.planet, Planets[k]), row.towards[k])
                << DashaLordName(row.planet) << " towards " << DashaLordName(Planets[k]);
        }
    }
}

TEST(Friendship, NotSymmetric)
{
    EXPECT_EQ(NaturalRelationOf(DashaLord::Moon, DashaLord::Mercury), NaturalRelation::Friend);
    EXPECT_EQ(NaturalRelationOf(DashaLord::Mercury, DashaLord::Moon), NaturalRelation::Enemy);
    EXPECT_EQ(NaturalRelationOf(DashaLord::Sun, DashaLord::Mercury), NaturalRelation::Neutral);
    EXPECT_EQ(NaturalRelationOf(DashaLord::Mercury, DashaLord::Sun), NaturalRelation::Friend);
}

TEST(Friendship, CountsPerPlanet)
{
    // BPHS: the Moon has no enemies; every other planet has at least one.
    for (const DashaLord planet : Planets) {
        int enemies = 0;
        for (const DashaLord other : Planets) enemies += NaturalRelationOf(planet, other) == NaturalRelation::Enemy;
        EXPECT_EQ(enemies == 0, planet == DashaLord::Moon) << DashaLordName(planet);
    }
    EXPECT_EQ(NaturalRelationOf(DashaLord::Rahu, DashaLord::Sun), NaturalRelation::Neutral);
    EXPECT_EQ(NaturalRelationOf(DashaLord::Sun, DashaLord::Ketu), NaturalRelation::Neutral);
}
