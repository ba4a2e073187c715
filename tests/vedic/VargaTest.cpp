// The sixteen divisional charts: each rule at the edges of its parts
// (a boundary typed exactly starts the next part), D9 as the Navamsa
// everywhere, vargottama, and the Parivritti variant.
#include <gtest/gtest.h>

#include "vedic/Navamsa.h"
#include "vedic/Varga.h"
#include "SignIndices.h"

using namespace zodiora::vedic;
using namespace zodiora::test;

namespace {

constexpr double Tiny = 1e-7;  // degrees, far above the boundary snap

double In(int sign, double degrees)
{
    return sign * 30.0 + degrees;
}

}  // namespace

TEST(Varga, HoraOddSignsLeoThenCancerEvenSignsCancerThenLeo)
{
    EXPECT_EQ(VargaSign(In(Aries, 0), Varga::D2), Leo);
    EXPECT_EQ(VargaSign(In(Aries, 15 - Tiny), Varga::D2), Leo);
    EXPECT_EQ(VargaSign(In(Aries, 15), Varga::D2), Cancer);
    EXPECT_EQ(VargaSign(In(Taurus, 15 - Tiny), Varga::D2), Cancer);
    EXPECT_EQ(VargaSign(In(Taurus, 15), Varga::D2), Leo);
    EXPECT_EQ(VargaSign(In(Pisces, 30 - Tiny), Varga::D2), Leo);
    EXPECT_EQ(VargaSign(360.0, Varga::D2), Leo);  // 360° is 0° Aries
}

TEST(Varga, TrimsamsaUnequalPartsInOddAndEvenSigns)
{
    // Odd: 5° Mars (Aries), 5° Saturn (Aquarius), 8° Jupiter (Sagittarius),
    // 7° Mercury (Gemini), 5° Venus (Libra).
    const std::pair<double, int> odd[] = {{0, Aries},         {5 - Tiny, Aries},       {5, Aquarius},
                                          {10 - Tiny, Aquarius}, {10, Sagittarius},    {18 - Tiny, Sagittarius},
                                          {18, Gemini},       {25 - Tiny, Gemini},     {25, Libra},
                                          {30 - Tiny, Libra}};
    for (const auto& [degrees, sign] : odd) {
        EXPECT_EQ(VargaSign(In(Leo, degrees), Varga::D30), sign) << degrees;
    }
    // Even, the reverse: 5° Venus (Taurus), 7° Mercury (Virgo), 8° Jupiter
    // (Pisces), 5° Saturn (Capricorn), 5° Mars (Scorpio).
    const std::pair<double, int> even[] = {{0, Taurus},       {5 - Tiny, Taurus},     {5, Virgo},
                                           {12 - Tiny, Virgo}, {12, Pisces},         {20 - Tiny, Pisces},
                                           {20, Capricorn},   {25 - Tiny, Capricorn}, {25, Scorpio},
                                           {30 - Tiny, Scorpio}};
    for (const auto& [degrees, sign] : even) {
        EXPECT_EQ(VargaSign(In(Capricorn, degrees), Varga::D30), sign) << degrees;
    }
}

TEST(Varga, ChaturvimsamsaOddFromLeoEvenFromCancer)
{
    EXPECT_EQ(VargaSign(In(Aries, 0), Varga::D24), Leo);
    EXPECT_EQ(VargaSign(In(Aries, 1.25 - Tiny), Varga::D24), Leo);
    EXPECT_EQ(VargaSign(In(Aries, 1.25), Varga::D24), Virgo);
    EXPECT_EQ(VargaSign(In(Aries, 30 - Tiny), Varga::D24), Cancer);  // the 24th from Leo
    EXPECT_EQ(VargaSign(In(Taurus, 0), Varga::D24), Cancer);
    EXPECT_EQ(VargaSign(In(Taurus, 30 - Tiny), Varga::D24), Gemini);
}

TEST(Varga, AkshavedamsaFromAriesLeoSagittarius)
{
    const double part = 30.0 / 45;
    EXPECT_EQ(VargaSign(In(Cancer, 0), Varga::D45), Aries);        // movable
    EXPECT_EQ(VargaSign(In(Cancer, part - Tiny), Varga::D45), Aries);
    EXPECT_EQ(VargaSign(In(Cancer, part), Varga::D45), Taurus);
    EXPECT_EQ(VargaSign(In(Scorpio, 0), Varga::D45), Leo);         // fixed
    EXPECT_EQ(VargaSign(In(Pisces, 0), Varga::D45), Sagittarius);  // dual
    EXPECT_EQ(VargaSign(In(Pisces, 30 - Tiny), Varga::D45), (Sagittarius + 44) % 12);
    EXPECT_EQ(VargaSign(In(Pisces, 29 + 1 / 3.0 - Tiny), Varga::D45), (Sagittarius + 43) % 12);
    EXPECT_EQ(VargaSign(In(Pisces, 29 + 1 / 3.0), Varga::D45), Leo);  // the last part starts at 29°20′
}

TEST(Varga, TheOtherRulesAtTheirFirstAndLastParts)
{
    struct Case {
        Varga varga;
        int sign;
        int first;  // sign of the first part
        int last;   // sign of the last part
    };
    const Case cases[] = {
        {Varga::D1, Virgo, Virgo, Virgo},
        {Varga::D3, Taurus, Taurus, Capricorn},         // the sign, 5th, 9th
        {Varga::D4, Gemini, Gemini, Pisces},            // the sign, 4th, 7th, 10th
        {Varga::D7, Aries, Aries, Libra},               // odd: from the sign
        {Varga::D7, Taurus, Scorpio, Taurus},           // even: from the 7th
        {Varga::D10, Leo, Leo, Taurus},                 // odd: from the sign
        {Varga::D10, Virgo, Taurus, Aquarius},          // even: from the 9th
        {Varga::D12, Libra, Libra, Virgo},
        {Varga::D16, Aries, Aries, Aries + 15 - 12},    // movable from Aries
        {Varga::D16, Taurus, Leo, Leo + 15 - 12},       // fixed from Leo
        {Varga::D16, Gemini, Sagittarius, Sagittarius + 15 - 12},
        {Varga::D20, Cancer, Aries, Aries + 19 - 12},   // movable from Aries
        {Varga::D20, Leo, Sagittarius, (Sagittarius + 19) % 12},  // fixed from Sagittarius
        {Varga::D20, Virgo, Leo, (Leo + 19) % 12},      // dual from Leo
        {Varga::D27, Leo, Aries, Aries + 26 - 24},      // fiery from Aries
        {Varga::D27, Virgo, Cancer, (Cancer + 26) % 12},  // earthy from Cancer
        {Varga::D27, Libra, Libra, (Libra + 26) % 12},  // airy from Libra
        {Varga::D27, Scorpio, Capricorn, (Capricorn + 26) % 12},  // watery from Capricorn
        {Varga::D40, Gemini, Aries, Aries + 39 - 36},   // odd from Aries
        {Varga::D40, Cancer, Libra, (Libra + 39) % 12},  // even from Libra
        {Varga::D60, Sagittarius, Sagittarius, (Sagittarius + 59) % 12},
    };
    for (const Case& c : cases) {
        const double part = 30.0 / VargaDivisions(c.varga);
        EXPECT_EQ(VargaSign(In(c.sign, 0), c.varga), c.first) << VargaName(c.varga) << ' ' << c.sign;
        EXPECT_EQ(VargaSign(In(c.sign, 30 - Tiny), c.varga), c.last) << VargaName(c.varga) << ' ' << c.sign;
        if (c.varga != Varga::D1) {
            EXPECT_EQ(VargaSign(In(c.sign, part - Tiny), c.varga), c.first) << VargaName(c.varga);
            EXPECT_NE(VargaSign(In(c.sign, part), c.varga), c.first) << VargaName(c.varga);
        }
    }
}

TEST(Varga, NavamsaIsD9EverywhereAndBoundariesTypedInMinutesStartTheNextPart)
{
    for (int minutes = 0; minutes < 360 * 60; minutes += 7) {
        const double longitude = minutes / 60.0;
        ASSERT_EQ(VargaSign(longitude, Varga::D9), NavamsaSign(longitude)) << longitude;
        ASSERT_EQ(VargaSign(longitude, Varga::D9, VargaVariant::Parivritti), NavamsaSign(longitude)) << longitude;
        ASSERT_EQ(NavamsaSign(NakshatraOf(longitude)), NavamsaSign(longitude)) << longitude;
    }
    // 13°20′ as a decimal starts the fifth navamsa; 3°20′ × 9 parts of
    // Sagittarius, 26°40′, starts the ninth.
    EXPECT_EQ(VargaSign(13 + 20 / 60.0, Varga::D9), Leo);
    EXPECT_EQ(VargaSign(In(Sagittarius, 26 + 40 / 60.0), Varga::D9), Sagittarius);
    EXPECT_EQ(VargaSign(In(Aries, 20 / 60.0 * 3), Varga::D60), Aries + 2);  // 1°00′ starts part 3
}

TEST(Varga, VargottamaWhenTheBirthSignAndNavamsaAgree)
{
    EXPECT_TRUE(VargaRowOf(In(Aries, 1)).vargottama());      // first navamsa of a movable sign
    EXPECT_TRUE(VargaRowOf(In(Taurus, 15)).vargottama());    // middle of a fixed sign
    EXPECT_TRUE(VargaRowOf(In(Pisces, 29.9)).vargottama());  // last of a dual sign
    EXPECT_FALSE(VargaRowOf(In(Aries, 3.5)).vargottama());
    const VargaRow row = VargaRowOf(In(Leo, 22.5));
    for (const Varga varga : AllVargas) EXPECT_EQ(row.sign(varga), VargaSign(In(Leo, 22.5), varga));
}

TEST(Varga, ParivrittiCountsThePartsOnFromAries)
{
    EXPECT_EQ(VargaSign(In(Aries, 15), Varga::D2, VargaVariant::Parivritti), Taurus);
    EXPECT_EQ(VargaSign(In(Taurus, 0), Varga::D2, VargaVariant::Parivritti), Gemini);
    EXPECT_EQ(VargaSign(In(Taurus, 10), Varga::D3, VargaVariant::Parivritti), Leo);  // part 4
    EXPECT_EQ(VargaSign(In(Aries, 5), Varga::D30, VargaVariant::Parivritti), Virgo);  // equal parts of 1°
    EXPECT_EQ(VargaSign(In(Leo, 7), Varga::D1, VargaVariant::Parivritti), Leo);
    EXPECT_EQ(VargaVariantName(VargaVariant::Parashara), "Parashara");
}

TEST(Varga, NamesAndDivisions)
{
    EXPECT_EQ(VargaName(Varga::D60), "D60");
    EXPECT_EQ(VargaTitle(Varga::D9), "Navamsa");
    int total = 0;
    for (const Varga varga : AllVargas) total += VargaDivisions(varga);
    EXPECT_EQ(total, 1 + 2 + 3 + 4 + 7 + 9 + 10 + 12 + 16 + 20 + 24 + 27 + 30 + 40 + 45 + 60);
}
