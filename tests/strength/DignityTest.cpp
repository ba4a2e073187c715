#include <gtest/gtest.h>

#include "strength/Dignity.h"

using namespace zodiora::strength;
using zodiora::vedic::Graha;
using zodiora::vedic::Relation;

// BPHS ch. 3: the 2nd, 3rd, 4th, 10th, 11th and 12th are temporary friends.
TEST(Dignity, TemporaryFriendsByHouse)
{
    for (int house = 1; house <= 12; ++house) {
        const bool friendly = house == 2 || house == 3 || house == 4 || house >= 10;
        EXPECT_EQ(TemporaryRelation(5, 5 + house - 1), friendly ? Relation::Friend : Relation::Enemy) << house;
    }
}

// P.V.R. Narasimha Rao's Example 4 (Sri Rama's chart: Sun Ar, Moon Cn,
// Mars Cp, Mercury Ta, Jupiter Cn, Venus Pi, Saturn Li): the Sun's
// temporary friends are the Moon, Mars, Mercury, Jupiter; Venus and
// Saturn are temporary enemies.
TEST(Dignity, RaoExampleFourTemporaryFriendsOfTheSun)
{
    EXPECT_EQ(TemporaryRelation(0, 3), Relation::Friend);   // Moon in the 4th
    EXPECT_EQ(TemporaryRelation(0, 9), Relation::Friend);   // Mars in the 10th
    EXPECT_EQ(TemporaryRelation(0, 1), Relation::Friend);   // Mercury in the 2nd
    EXPECT_EQ(TemporaryRelation(0, 11), Relation::Friend);  // Venus in the 12th
    EXPECT_EQ(TemporaryRelation(0, 6), Relation::Enemy);    // Saturn in the 7th
}

TEST(Dignity, CompoundRelationAddsNaturalAndTemporary)
{
    // Sun and Moon natural friends; Moon in the 2nd: great friend.
    EXPECT_EQ(CompoundRelation(Graha::Sun, Graha::Moon, 0, 1), Compound::GreatFriend);
    // Natural friend, Moon in the 7th: neutral.
    EXPECT_EQ(CompoundRelation(Graha::Sun, Graha::Moon, 0, 6), Compound::Neutral);
    // Natural enemy (Saturn) in the same sign: great enemy.
    EXPECT_EQ(CompoundRelation(Graha::Sun, Graha::Saturn, 0, 0), Compound::GreatEnemy);
    // Natural neutral (Mercury) in the 10th: friend.
    EXPECT_EQ(CompoundRelation(Graha::Sun, Graha::Mercury, 0, 9), Compound::Friend);
    // Natural neutral in the 5th: enemy.
    EXPECT_EQ(CompoundRelation(Graha::Sun, Graha::Mercury, 0, 4), Compound::Enemy);
}

// The edges of BPHS's ranges: the Moon is exalted in Taurus 0°-3° and
// moolatrikona after; Mercury exalted to Virgo 15°, moolatrikona to 20°,
// own after; the Sun moolatrikona in Leo to 20°, own after.
TEST(Dignity, RangesWithinOneSign)
{
    const std::array<int, GrahaCount> signs{};
    EXPECT_EQ(DignityOf(Graha::Moon, 32.9, signs), DignityKind::Exalted);
    EXPECT_EQ(DignityOf(Graha::Moon, 33.0, signs), DignityKind::Moolatrikona);
    EXPECT_EQ(DignityOf(Graha::Moon, 100.0, signs), DignityKind::Own);
    EXPECT_EQ(DignityOf(Graha::Moon, 215.0, signs), DignityKind::Debilitated);
    EXPECT_EQ(DignityOf(Graha::Mercury, 164.9, signs), DignityKind::Exalted);
    EXPECT_EQ(DignityOf(Graha::Mercury, 165.0, signs), DignityKind::Moolatrikona);
    EXPECT_EQ(DignityOf(Graha::Mercury, 170.0, signs), DignityKind::Own);
    EXPECT_EQ(DignityOf(Graha::Mercury, 350.0, signs), DignityKind::Debilitated);
    EXPECT_EQ(DignityOf(Graha::Sun, 139.9, signs), DignityKind::Moolatrikona);
    EXPECT_EQ(DignityOf(Graha::Sun, 140.0, signs), DignityKind::Own);
    EXPECT_EQ(DignityOf(Graha::Sun, 195.0, signs), DignityKind::Debilitated);
    EXPECT_EQ(DignityOf(Graha::Saturn, 200.0, signs), DignityKind::Exalted);
    EXPECT_EQ(DignityOf(Graha::Mars, 11.9, signs), DignityKind::Moolatrikona);
    EXPECT_EQ(DignityOf(Graha::Mars, 12.0, signs), DignityKind::Own);
    EXPECT_EQ(DignityOf(Graha::Mars, 215.0, signs), DignityKind::Own);
}

// B.V. Raman's Standard Horoscope (Graha and Bhava Balas, his longitudes):
// Sun Li 0°54', Moon Aq 11°17', Mars Sc 19°31', Mercury Li 1°32', Jupiter
// Ge 24°01', Venus Vi 21°10', Saturn Le 4°23'.
TEST(Dignity, RamanStandardHoroscope)
{
    const std::array<double, GrahaCount> lon{180.899, 311.289, 229.509, 181.526, 84.014, 171.166, 124.378};
    const Dignities d = DignitiesOf(lon, {});
    EXPECT_EQ(d.of(Graha::Sun).dignity, DignityKind::Debilitated);
    EXPECT_EQ(d.of(Graha::Mars).dignity, DignityKind::Own);
    EXPECT_EQ(d.of(Graha::Venus).dignity, DignityKind::Debilitated);
    // The Moon in Saturn's sign: natural neutral, Saturn in the 7th from her: enemy.
    EXPECT_EQ(d.of(Graha::Moon).dignity, DignityKind::Enemy);
    // Mercury in Venus's sign: natural friend, Venus in the 12th: great friend.
    EXPECT_EQ(d.of(Graha::Mercury).dignity, DignityKind::GreatFriend);
    // Jupiter in Mercury's sign: natural enemy, Mercury in the 5th: great enemy.
    EXPECT_EQ(d.of(Graha::Jupiter).dignity, DignityKind::GreatEnemy);
    // Saturn in the Sun's sign: natural enemy, the Sun in the 3rd: neutral.
    EXPECT_EQ(d.of(Graha::Saturn).dignity, DignityKind::Neutral);
    // Mercury 0°38' from the Sun: combust; Venus 9°44', within 10°: combust.
    EXPECT_TRUE(d.of(Graha::Mercury).combust);
    EXPECT_TRUE(d.of(Graha::Venus).combust);
    EXPECT_FALSE(d.of(Graha::Sun).combust);
    EXPECT_FALSE(d.of(Graha::Jupiter).combust);
    EXPECT_NEAR(d.of(Graha::Venus).distanceFromSun, 9.733, 0.001);
}

TEST(Dignity, RetrogradeNarrowsMercuryAndVenus)
{
    std::array<double, GrahaCount> lon{100, 0, 0, 113, 0, 109, 0};
    const Dignities direct = DignitiesOf(lon, {});
    EXPECT_TRUE(direct.of(Graha::Mercury).combust);
    EXPECT_TRUE(direct.of(Graha::Venus).combust);
    std::array<bool, GrahaCount> retro{};
    retro[zodiora::vedic::IndexOf(Graha::Mercury)] = true;
    retro[zodiora::vedic::IndexOf(Graha::Venus)] = true;
    const Dignities backward = DignitiesOf(lon, retro);
    EXPECT_FALSE(backward.of(Graha::Mercury).combust);
    EXPECT_FALSE(backward.of(Graha::Venus).combust);
    EXPECT_TRUE(backward.of(Graha::Mercury).retrograde);
}

// Across Aries 0°: 355° and 5° are 10° apart.
TEST(Dignity, DistanceFromTheSunWrapsRound)
{
    const std::array<double, GrahaCount> lon{355, 4, 100, 200, 300, 5, 250};
    const Dignities d = DignitiesOf(lon, {});
    EXPECT_NEAR(d.of(Graha::Moon).distanceFromSun, 9, 1e-9);
    EXPECT_TRUE(d.of(Graha::Moon).combust);
    EXPECT_NEAR(d.of(Graha::Venus).distanceFromSun, 10, 1e-9);
    EXPECT_FALSE(d.of(Graha::Venus).combust);  // exactly 10°: not within
}

TEST(Dignity, GrahaDrishti)
{
    EXPECT_EQ(AspectedHouses(Graha::Sun), (std::vector<int>{7}));
    EXPECT_EQ(AspectedHouses(Graha::Mars), (std::vector<int>{4, 7, 8}));
    EXPECT_EQ(AspectedHouses(Graha::Jupiter), (std::vector<int>{5, 7, 9}));
    EXPECT_EQ(AspectedHouses(Graha::Saturn), (std::vector<int>{3, 7, 10}));
    EXPECT_EQ(AspectedHouses(Graha::Venus), (std::vector<int>{7}));
}

TEST(Dignity, KeysAndExaltationPoints)
{
    EXPECT_EQ(DignityKey(DignityKind::GreatFriend), "great-friend");
    EXPECT_EQ(DignityKey(DignityKind::Own), "own");
    EXPECT_DOUBLE_EQ(ExaltationPoint(Graha::Sun), 10);
    EXPECT_DOUBLE_EQ(ExaltationPoint(Graha::Venus), 357);
    EXPECT_DOUBLE_EQ(ExaltationPoint(Graha::Mars), 298);
}
