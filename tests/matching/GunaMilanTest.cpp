// The Ashtakoota: one pair worked by hand koota by koota, the rules that
// run one way only, every maximum and the bounds, and the cancellations.
#include <algorithm>
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "matching/GunaMilan.h"
#include "SignIndices.h"

using namespace zodiora::matching;
using namespace zodiora::test;
using zodiora::vedic::NaturalRelation;

namespace {

constexpr double Star = 40.0 / 3;
constexpr double Pada = 10.0 / 3;

// A Moon one degree into the pada (nakshatra 0 = Ashwini).
MoonProfile MoonIn(int nakshatra, int pada = 1)
{
    return MoonProfileOf(nakshatra * Star + (pada - 1) * Pada + 1.0);
}

MoonProfile MoonAt(int sign, double degrees)
{
    return MoonProfileOf(sign * 30.0 + degrees);
}

enum Stars { Ashwini = 0, Bharani, Krittika, Rohini, Mrigashira, Ardra, Punarvasu, Pushya, Ashlesha, Magha,
             PurvaPhalguni, UttaraPhalguni, Hasta, Chitra, Swati, Vishakha, Anuradha, Jyeshtha, Mula,
             PurvaAshadha, UttaraAshadha, Shravana, Dhanishta, Shatabhisha, PurvaBhadrapada, UttaraBhadrapada,
             Revati };

double Points(const KootaMatch& match, Koota koota)
{
    return match.score(koota).points;
}

bool Has(const KootaMatch& match, Cancellation cancellation)
{
    return std::find(match.cancellations.begin(), match.cancellations.end(), cancellation) !=
           match.cancellations.end();
}

}  // namespace

TEST(GunaMilan, RevatiGirlAnuradhaBoyByHand)
{
    // The pair of issue 23, every koota worked from the tables by hand.
    // Boy: Moon at 220° = Scorpio 10°, Anuradha (213°20′-226°40′) pada 3.
    //   Scorpio: Brahmin, Keeta, lord Mars. Anuradha: Deer, Deva, Madhya nadi.
    // Girl: Moon at 350° = Pisces 20°, Revati (346°40′-360°) pada 2.
    //   Pisces: Brahmin, Jalachara, lord Jupiter. Revati: Elephant, Deva, Antya.
    // Varna: Brahmin and Brahmin, the boy's not lower          -> 1 of 1
    // Vashya: boy Keeta, girl Jalachara, table cell            -> 1 of 2
    // Tara: Anuradha (17th) counted from Revati (27th) is the 18th,
    //   18 mod 9 = 0 -> 1.5; Revati from Anuradha is the 11th,
    //   11 mod 9 = 2 -> 1.5                                     -> 3 of 3
    // Yoni: Deer and Elephant are neutral                      -> 2 of 4
    // Graha Maitri: Mars counts Jupiter a friend and Jupiter
    //   counts Mars a friend (BPHS ch. 3)                      -> 5 of 5
    // Gana: Deva and Deva                                      -> 6 of 6
    // Bhakoot: Scorpio is the 9th from Pisces, Pisces the 5th
    //   from Scorpio: 5/9                                      -> 0 of 7
    // Nadi: Madhya and Antya differ                            -> 8 of 8
    // Total 26; the Bhakoot dosha is lifted by friendly lords.
    const MoonProfile boy = MoonProfileOf(220);
    const MoonProfile girl = MoonProfileOf(350);
    ASSERT_EQ(boy.nakshatra, Anuradha);
    ASSERT_EQ(boy.pada, 3);
    ASSERT_EQ(girl.nakshatra, Revati);
    ASSERT_EQ(girl.pada, 2);
    EXPECT_EQ(boy.sign, Scorpio);
    EXPECT_EQ(girl.sign, Pisces);
    EXPECT_EQ(boy.varna, Varna::Brahmin);
    EXPECT_EQ(girl.varna, Varna::Brahmin);
    EXPECT_EQ(boy.vashya, Vashya::Keeta);
    EXPECT_EQ(girl.vashya, Vashya::Jalachara);
    EXPECT_EQ(boy.yoni, Yoni::Deer);
    EXPECT_EQ(girl.yoni, Yoni::Elephant);
    EXPECT_EQ(boy.gana, Gana::Deva);
    EXPECT_EQ(girl.gana, Gana::Deva);
    EXPECT_EQ(boy.nadi, Nadi::Madhya);
    EXPECT_EQ(girl.nadi, Nadi::Antya);
    EXPECT_EQ(boy.signLord, zodiora::vedic::Graha::Mars);
    EXPECT_EQ(girl.signLord, zodiora::vedic::Graha::Jupiter);

    const KootaMatch match = KootaScores(boy, girl);
    EXPECT_EQ(Points(match, Koota::Varna), 1);
    EXPECT_EQ(Points(match, Koota::Vashya), 1);
    EXPECT_EQ(match.boyStarFromGirl, 18);
    EXPECT_EQ(match.girlStarFromBoy, 11);
    EXPECT_EQ(Points(match, Koota::Tara), 3);
    EXPECT_EQ(Points(match, Koota::Yoni), 2);
    EXPECT_EQ(match.boyLordToGirlLord, zodiora::vedic::Relation::Friend);
    EXPECT_EQ(match.girlLordToBoyLord, zodiora::vedic::Relation::Friend);
    EXPECT_EQ(Points(match, Koota::GrahaMaitri), 5);
    EXPECT_EQ(Points(match, Koota::Gana), 6);
    EXPECT_EQ(match.boySignFromGirl, 9);
    EXPECT_EQ(match.girlSignFromBoy, 5);
    EXPECT_EQ(Points(match, Koota::Bhakoot), 0);
    EXPECT_EQ(Points(match, Koota::Nadi), 8);
    EXPECT_EQ(match.total(), 26);
    EXPECT_EQ(match.cancellations, std::vector<Cancellation>{Cancellation::BhakootFriendlyLords});
}

TEST(GunaMilan, KootasInOrderWithTheirMaxima)
{
    const KootaMatch match = KootaScores(MoonIn(Ashwini), MoonIn(Magha));
    int maximum = 0;
    for (int k = 0; k < KootaCount; ++k) {
        EXPECT_EQ(match.scores[k].koota, AllKootas[k]);
        EXPECT_EQ(match.scores[k].maximum, k + 1);
        maximum += match.scores[k].maximum;
    }
    EXPECT_EQ(maximum, GunaMaximum);
}

TEST(GunaMilan, TaraLeavesThreeFiveOrSevenBad)
{
    for (int count = 1; count <= 27; ++count) {
        const int remainder = count % 9;
        const bool bad = remainder == 3 || remainder == 5 || remainder == 7;
        EXPECT_EQ(TaraPoints(count), bad ? 0 : 1.5) << count;
    }
    // The 9th, 18th and 27th leave 0 and are good.
    EXPECT_EQ(TaraPoints(9), 1.5);
    EXPECT_EQ(TaraPoints(27), 1.5);
}

TEST(GunaMilan, TaraIsCountedBothWays)
{
    // Krittika is the 3rd from Ashwini (Vipat, 0) but Ashwini is the 26th
    // from Krittika (26 mod 9 = 8, 1.5): each way counts once.
    const KootaMatch match = KootaScores(MoonIn(Ashwini), MoonIn(Krittika, 2));
    EXPECT_EQ(match.girlStarFromBoy, 3);
    EXPECT_EQ(match.boyStarFromGirl, 26);
    EXPECT_EQ(Points(match, Koota::Tara), 1.5);
    // For two stars the counts either way add up to 29 (remainders r and 2 - r
    // mod 9), so 3, 5 or 7 one way leaves 8, 6 or 4 the other: never both
    // bad. The same star is the 1st both ways: 3.
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Ashwini, 3)), Koota::Tara), 3);
    // The sum is the same whichever chart is the boy's.
    for (int a = 0; a < 27; ++a) {
        for (int b = 0; b < 27; ++b) {
            EXPECT_EQ(Points(KootaScores(MoonIn(a), MoonIn(b)), Koota::Tara),
                      Points(KootaScores(MoonIn(b), MoonIn(a)), Koota::Tara));
        }
    }
}

TEST(GunaMilan, VashyaHalvesOfSagittariusAndCapricorn)
{
    EXPECT_EQ(MoonAt(Sagittarius, 14.9).vashya, Vashya::Manava);
    EXPECT_EQ(MoonAt(Sagittarius, 15).vashya, Vashya::Chatushpada);
    EXPECT_EQ(MoonAt(Capricorn, 14.9).vashya, Vashya::Chatushpada);
    EXPECT_EQ(MoonAt(Capricorn, 15).vashya, Vashya::Jalachara);
    EXPECT_EQ(MoonAt(Leo, 1).vashya, Vashya::Vanachara);
    EXPECT_EQ(MoonAt(Scorpio, 29).vashya, Vashya::Keeta);
    EXPECT_EQ(MoonAt(Aquarius, 29).vashya, Vashya::Manava);
}

TEST(GunaMilan, VashyaRunsOneWay)
{
    // A Leo (Vanachara) boy scores nothing with an Aries (Chatushpada)
    // girl; an Aries boy with a Leo girl scores 0.5.
    EXPECT_EQ(Points(KootaScores(MoonAt(Leo, 5), MoonAt(Aries, 5)), Koota::Vashya), 0);
    EXPECT_EQ(Points(KootaScores(MoonAt(Aries, 5), MoonAt(Leo, 5)), Koota::Vashya), 0.5);
    // Cancer (Jalachara) boy, Leo girl 1; the other way 0.
    EXPECT_EQ(Points(KootaScores(MoonAt(Cancer, 5), MoonAt(Leo, 5)), Koota::Vashya), 1);
    EXPECT_EQ(Points(KootaScores(MoonAt(Leo, 5), MoonAt(Cancer, 5)), Koota::Vashya), 0);
    // Manava and Jalachara meet at 0.5 either way; the same group gives 2.
    EXPECT_EQ(Points(KootaScores(MoonAt(Gemini, 5), MoonAt(Pisces, 5)), Koota::Vashya), 0.5);
    EXPECT_EQ(Points(KootaScores(MoonAt(Pisces, 5), MoonAt(Gemini, 5)), Koota::Vashya), 0.5);
    EXPECT_EQ(Points(KootaScores(MoonAt(Scorpio, 5), MoonAt(Scorpio, 25)), Koota::Vashya), 2);
}

TEST(GunaMilan, YoniIsTheSameEitherWay)
{
    for (int a = 0; a < 27; ++a) {
        for (int b = 0; b < 27; ++b) {
            EXPECT_EQ(Points(KootaScores(MoonIn(a), MoonIn(b)), Koota::Yoni),
                      Points(KootaScores(MoonIn(b), MoonIn(a)), Koota::Yoni))
                << a << ' ' << b;
        }
    }
}

TEST(GunaMilan, YoniSameAnimalAndSwornEnemies)
{
    // Bharani and Revati are both Elephant.
    EXPECT_EQ(Points(KootaScores(MoonIn(Bharani), MoonIn(Revati)), Koota::Yoni), 4);
    // The seven sworn enmities score nothing.
    const int enemies[][2]{{Ashwini, Hasta},      {Bharani, Dhanishta}, {Krittika, PurvaAshadha},
                           {Rohini, UttaraAshadha}, {Ardra, Anuradha},  {Punarvasu, Magha},
                           {UttaraPhalguni, Chitra}};
    for (const auto& pair : enemies) {
        EXPECT_EQ(Points(KootaScores(MoonIn(pair[0]), MoonIn(pair[1])), Koota::Yoni), 0) << pair[0];
    }
    // Friendly (Horse and Deer) 3, inimical (Horse and Cow) 1.
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Jyeshtha)), Koota::Yoni), 3);
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(UttaraPhalguni)), Koota::Yoni), 1);
}

TEST(GunaMilan, VarnaRunsOneWay)
{
    // Gemini is Shudra, Cancer Brahmin: a boy of the lower varna scores 0.
    EXPECT_EQ(Points(KootaScores(MoonAt(Gemini, 5), MoonAt(Cancer, 5)), Koota::Varna), 0);
    EXPECT_EQ(Points(KootaScores(MoonAt(Cancer, 5), MoonAt(Gemini, 5)), Koota::Varna), 1);
}

TEST(GunaMilan, GanaRunsOneWayAsFuturePointGivesIt)
{
    // Future Point, "Horoscope Matching": boy Deva with girl Manushya 5,
    // boy Manushya with girl Deva 6; Rakshasa with Deva 1 and with
    // Manushya 0 either way.
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Bharani)), Koota::Gana), 5);
    EXPECT_EQ(Points(KootaScores(MoonIn(Bharani), MoonIn(Ashwini)), Koota::Gana), 6);
    EXPECT_EQ(Points(KootaScores(MoonIn(Krittika), MoonIn(Ashwini)), Koota::Gana), 1);
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Krittika)), Koota::Gana), 1);
    EXPECT_EQ(Points(KootaScores(MoonIn(Krittika), MoonIn(Bharani)), Koota::Gana), 0);
    EXPECT_EQ(Points(KootaScores(MoonIn(Bharani), MoonIn(Krittika)), Koota::Gana), 0);
}

TEST(GunaMilan, GrahaMaitriFromTheNaturalRelations)
{
    // Moon (Cancer) counts Mercury (Gemini) a friend, Mercury the Moon an enemy: 1.
    EXPECT_EQ(Points(KootaScores(MoonAt(Cancer, 5), MoonAt(Gemini, 5)), Koota::GrahaMaitri), 1);
    // Sun and Saturn are enemies both ways: 0.
    EXPECT_EQ(Points(KootaScores(MoonAt(Leo, 5), MoonAt(Aquarius, 5)), Koota::GrahaMaitri), 0);
    // Mars neutral to Saturn, Saturn an enemy to Mars: 0.5.
    EXPECT_EQ(Points(KootaScores(MoonAt(Aries, 5), MoonAt(Capricorn, 5)), Koota::GrahaMaitri), 0.5);
    // Jupiter and Saturn neutral both ways: 3.
    EXPECT_EQ(Points(KootaScores(MoonAt(Pisces, 5), MoonAt(Aquarius, 5)), Koota::GrahaMaitri), 3);
    // Sun neutral to Mercury, Mercury a friend to the Sun: 4.
    EXPECT_EQ(Points(KootaScores(MoonAt(Leo, 5), MoonAt(Virgo, 5)), Koota::GrahaMaitri), 4);
    // One lord: 5.
    EXPECT_EQ(Points(KootaScores(MoonAt(Taurus, 5), MoonAt(Libra, 5)), Koota::GrahaMaitri), 5);
}

TEST(GunaMilan, BhakootAndNadi)
{
    for (int count = 1; count <= 12; ++count) {
        const bool dosha = count == 2 || count == 12 || count == 5 || count == 9 || count == 6 || count == 8;
        EXPECT_EQ(IsBhakootDosha(count), dosha) << count;
    }
    // 1/7 scores 7, 6/8 nothing.
    EXPECT_EQ(Points(KootaScores(MoonAt(Aries, 5), MoonAt(Libra, 5)), Koota::Bhakoot), 7);
    EXPECT_EQ(Points(KootaScores(MoonAt(Aries, 5), MoonAt(Virgo, 5)), Koota::Bhakoot), 0);
    // Ashwini and Ardra are both Adi: 0; Ashwini and Bharani 8.
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Ardra)), Koota::Nadi), 0);
    EXPECT_EQ(Points(KootaScores(MoonIn(Ashwini), MoonIn(Bharani)), Koota::Nadi), 8);
}

TEST(GunaMilan, EveryKootaReachesItsMaximumAndStaysInBounds)
{
    // Every pada of every nakshatra against every other, plus both halves
    // of Sagittarius and Capricorn.
    std::vector<MoonProfile> moons;
    for (int quarter = 0; quarter < 108; ++quarter) moons.push_back(MoonProfileOf(quarter * Pada + 1.0));
    for (const int sign : {Sagittarius, Capricorn}) {
        moons.push_back(MoonAt(sign, 14));
        moons.push_back(MoonAt(sign, 16));
    }
    std::array<double, KootaCount> best{};
    std::array<std::set<double>, KootaCount> seen;
    double bestTotal = 0;
    for (const MoonProfile& boy : moons) {
        for (const MoonProfile& girl : moons) {
            const KootaMatch match = KootaScores(boy, girl);
            for (int k = 0; k < KootaCount; ++k) {
                const double points = match.scores[k].points;
                ASSERT_GE(points, 0);
                ASSERT_LE(points, match.scores[k].maximum);
                ASSERT_EQ(points * 2, std::round(points * 2));
                best[k] = std::max(best[k], points);
                seen[k].insert(points);
            }
            bestTotal = std::max(bestTotal, match.total());
        }
    }
    for (int k = 0; k < KootaCount; ++k) {
        EXPECT_EQ(best[k], k + 1) << k;
        // And its least: nothing, except Tara, which cannot be bad both ways.
        EXPECT_EQ(*seen[k].begin(), k == static_cast<int>(Koota::Tara) ? 1.5 : 0) << k;
    }
    EXPECT_EQ(bestTotal, 36);
    EXPECT_EQ(seen[static_cast<int>(Koota::Tara)], (std::set<double>{1.5, 3}));
    EXPECT_EQ(seen[static_cast<int>(Koota::Bhakoot)], (std::set<double>{0, 7}));
    EXPECT_EQ(seen[static_cast<int>(Koota::Nadi)], (std::set<double>{0, 8}));
}

TEST(GunaMilan, AnIdealPairScoresThirtySix)
{
    // Boy Rohini, girl Mrigashira pada 1, both in Taurus: Vaishya both,
    // Chatushpada both, Tara 27th and 2nd (both good), both Serpent,
    // one lord Venus, boy Manushya with girl Deva 6, the same sign,
    // Antya and Madhya.
    const KootaMatch match = KootaScores(MoonIn(Rohini, 2), MoonIn(Mrigashira, 1));
    for (const KootaScore& score : match.scores) EXPECT_EQ(score.points, score.maximum);
    EXPECT_EQ(match.total(), 36);
    EXPECT_TRUE(match.cancellations.empty());
    // With the charts swapped the Gana falls to 5 (boy Deva, girl Manushya).
    EXPECT_EQ(KootaScores(MoonIn(Mrigashira, 1), MoonIn(Rohini, 2)).total(), 35);
}

TEST(GunaMilan, NadiCancellations)
{
    // Krittika (pada 2, Taurus) and Rohini: one sign, other nakshatras, both Antya.
    KootaMatch match = KootaScores(MoonIn(Krittika, 2), MoonIn(Rohini, 1));
    EXPECT_EQ(Points(match, Koota::Nadi), 0);
    EXPECT_TRUE(Has(match, Cancellation::NadiSameSignOtherNakshatra));
    EXPECT_FALSE(Has(match, Cancellation::NadiSameNakshatraOtherPada));
    // Krittika pada 1 (Aries) and pada 2 (Taurus): one nakshatra, two signs, two padas.
    match = KootaScores(MoonIn(Krittika, 1), MoonIn(Krittika, 2));
    EXPECT_TRUE(Has(match, Cancellation::NadiSameNakshatraOtherSign));
    EXPECT_TRUE(Has(match, Cancellation::NadiSameNakshatraOtherPada));
    EXPECT_FALSE(Has(match, Cancellation::NadiSameSignOtherNakshatra));
    // Rohini padas 1 and 3: only the pada differs.
    match = KootaScores(MoonIn(Rohini, 1), MoonIn(Rohini, 3));
    EXPECT_EQ(match.cancellations, std::vector<Cancellation>{Cancellation::NadiSameNakshatraOtherPada});
    // The same pada: nothing lifts it.
    match = KootaScores(MoonIn(Rohini, 1), MoonIn(Rohini, 1));
    EXPECT_EQ(Points(match, Koota::Nadi), 0);
    EXPECT_TRUE(match.cancellations.empty());
}

TEST(GunaMilan, SameLordLiftsNadiBhakootAndGana)
{
    // Boy Ashwini (Aries, Deva, Adi), girl Jyeshtha (Scorpio, Rakshasa,
    // Adi): one nadi, 6/8, Deva with Rakshasa 1; both signs Mars's; the
    // girl's star the 18th from the boy's.
    const KootaMatch match = KootaScores(MoonIn(Ashwini), MoonIn(Jyeshtha));
    EXPECT_EQ(Points(match, Koota::Nadi), 0);
    EXPECT_EQ(Points(match, Koota::Bhakoot), 0);
    EXPECT_EQ(Points(match, Koota::Gana), 1);
    EXPECT_EQ(match.girlStarFromBoy, 18);
    EXPECT_EQ(match.cancellations,
              (std::vector<Cancellation>{Cancellation::NadiSameSignLord, Cancellation::BhakootSameSignLord,
                                         Cancellation::GanaSameOrFriendlyLords, Cancellation::GanaGirlStarFar}));
    EXPECT_EQ(KootaOf(Cancellation::NadiSameSignLord), Koota::Nadi);
    EXPECT_EQ(KootaOf(Cancellation::BhakootSameSignLord), Koota::Bhakoot);
    EXPECT_EQ(KootaOf(Cancellation::GanaGirlStarFar), Koota::Gana);
}

TEST(GunaMilan, GanaCancellationNeedsTheFarStarOrFriendlyLords)
{
    // Boy Krittika pada 2 (Taurus, Rakshasa), girl Bharani (Aries,
    // Manushya): Gana 0; Venus and Mars are neutral to each other; the
    // girl's star is the 27th from the boy's.
    KootaMatch match = KootaScores(MoonIn(Krittika, 2), MoonIn(Bharani));
    EXPECT_EQ(Points(match, Koota::Gana), 0);
    EXPECT_EQ(match.girlStarFromBoy, 27);
    EXPECT_TRUE(Has(match, Cancellation::GanaGirlStarFar));
    EXPECT_FALSE(Has(match, Cancellation::GanaSameOrFriendlyLords));
    // The other way round the girl's star is the 2nd: no cancellation.
    match = KootaScores(MoonIn(Bharani), MoonIn(Krittika, 2));
    EXPECT_EQ(Points(match, Koota::Gana), 0);
    EXPECT_EQ(match.girlStarFromBoy, 2);
    EXPECT_FALSE(Has(match, Cancellation::GanaGirlStarFar));
}
