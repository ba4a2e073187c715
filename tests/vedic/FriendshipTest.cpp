#include <gtest/gtest.h>

#include "vedic/Friendship.h"

using namespace zodiora::vedic;

// BPHS ch. 3: the natural friends, neutrals and enemies planet by planet.
TEST(Friendship, NaturalTableAsBphsListsIt)
{
    EXPECT_EQ(NaturalRelation(Graha::Sun, Graha::Moon), Relation::Friend);
    EXPECT_EQ(NaturalRelation(Graha::Sun, Graha::Mercury), Relation::Neutral);
    EXPECT_EQ(NaturalRelation(Graha::Sun, Graha::Saturn), Relation::Enemy);
    EXPECT_EQ(NaturalRelation(Graha::Mars, Graha::Mercury), Relation::Enemy);
    EXPECT_EQ(NaturalRelation(Graha::Jupiter, Graha::Venus), Relation::Enemy);
    EXPECT_EQ(NaturalRelation(Graha::Venus, Graha::Saturn), Relation::Friend);
    EXPECT_EQ(NaturalRelation(Graha::Saturn, Graha::Mars), Relation::Enemy);
    EXPECT_EQ(NaturalRelation(Graha::Saturn, Graha::Jupiter), Relation::Neutral);
}

// The table is not symmetric: Mercury counts the Moon an enemy, the Moon has none.
TEST(Friendship, MoonHasNoEnemyButMercuryIsHers)
{
    for (Graha other : AllGrahas) {
        EXPECT_NE(NaturalRelation(Graha::Moon, other), Relation::Enemy) << GrahaName(other);
    }
    EXPECT_EQ(NaturalRelation(Graha::Moon, Graha::Mercury), Relation::Friend);
    EXPECT_EQ(NaturalRelation(Graha::Mercury, Graha::Moon), Relation::Enemy);
}

// Counts per row: Sun 3 friends/1 neutral/2 enemies ... Saturn 2/1/3.
TEST(Friendship, RowCounts)
{
    const int friends[GrahaCount]{3, 2, 3, 2, 3, 2, 2};
    const int enemies[GrahaCount]{2, 0, 1, 1, 2, 2, 3};
    for (Graha g : AllGrahas) {
        int f = 0, e = 0;
        for (Graha other : AllGrahas) {
            if (other == g) continue;
            f += NaturalRelation(g, other) == Relation::Friend;
            e += NaturalRelation(g, other) == Relation::Enemy;
        }
        EXPECT_EQ(f, friends[IndexOf(g)]) << GrahaName(g);
        EXPECT_EQ(e, enemies[IndexOf(g)]) << GrahaName(g);
    }
}

TEST(Friendship, SignLords)
{
    const Graha lords[12]{Graha::Mars,   Graha::Venus,   Graha::Mercury, Graha::Moon,
                          Graha::Sun,    Graha::Mercury, Graha::Venus,   Graha::Mars,
                          Graha::Jupiter, Graha::Saturn, Graha::Saturn,  Graha::Jupiter};
    for (int s = 0; s < 12; ++s) EXPECT_EQ(SignLord(s), lords[s]) << s;
    EXPECT_EQ(SignLord(12), Graha::Mars);
    EXPECT_EQ(SignLord(-1), Graha::Jupiter);
}
