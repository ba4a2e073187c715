#include <gtest/gtest.h>

#include <cmath>

#include "engine/PositionText.h"

using namespace zodiora;

TEST(LongPositionText, TruncatesDegreesMinutesAndSeconds)
{
    EXPECT_EQ(LongPositionText(256.5255), "16\u00B0 31' 31\" Sag");
    EXPECT_EQ(LongPositionText(5.0526), "5\u00B0 3' 9\" Ari");
    EXPECT_EQ(LongPositionText(123.456), "3\u00B0 27' 21\" Leo");
    EXPECT_EQ(LongPositionText(29.99999999), "29\u00B0 59' 59\" Ari");
    EXPECT_EQ(LongPositionText(359.99), "29\u00B0 59' 24\" Pis");
}

TEST(LongPositionText, DropsTheSignOfTheAngle)
{
    EXPECT_EQ(LongPositionText(-15.5), "15\u00B0 30' 0\" Ari");
}

TEST(LongPositionText, ThreeHundredSixtyCarriesNoSign)
{
    EXPECT_EQ(LongPositionText(360), "0\u00B0 0' 0\" ");
    EXPECT_EQ(LongPositionText(725), "5\u00B0 0' 0\" ");
}

TEST(ShortPositionText, TwoDigitFieldsAndSignAtCharactersFourToSix)
{
    EXPECT_EQ(ShortPositionText("5\u00B0 3' 9\" Ari"), "05 Ari 03");
    EXPECT_EQ(ShortPositionText("16\u00B0 31' 31\" Sag"), "16 Sag 31");
    EXPECT_EQ(ShortPositionText("  0\u00B0 0' 59\" Pis  "), "00 Pis 00");
    for (int tenth = 0; tenth < 3600; ++tenth) {
        const std::string shortText = ShortPositionText(tenth / 10.0);
        ASSERT_EQ(shortText.size(), 9u) << shortText;
        EXPECT_EQ(shortText.substr(3, 3), SignAbbreviation(tenth / 300)) << shortText;
        EXPECT_EQ(SignOf(tenth / 10.0), tenth / 300) << shortText;
    }
}

// The short text of a longitude is made directly; it must read as the short
// text of the long one, at and beside every arc-minute, either sign of angle.
TEST(ShortPositionText, FromDegreesAgreesWithTheLongText)
{
    for (int minute = 0; minute <= 360 * 60; ++minute) {
        const double at = minute / 60.0;
        for (const double degrees : {at, std::nextafter(at, 0.0), std::nextafter(at, 400.0), at + 1 / 120.0, -at,
                                     std::nextafter(-at, -400.0)}) {
            ASSERT_EQ(ShortPositionText(degrees), ShortPositionText(LongPositionText(degrees))) << degrees;
        }
    }
    for (const double odd : {360.0, 725.0, -360.0, -725.0}) {
        EXPECT_EQ(ShortPositionText(odd), ShortPositionText(LongPositionText(odd))) << odd;
    }
}

TEST(ShortPositionText, NoSignFromAnAngleOfThreeHundredSixty)
{
    EXPECT_EQ(LongPositionText(360).substr(LongPositionText(360).size() - 1), " ");
    EXPECT_EQ(SignOf(360), -1);
    EXPECT_EQ(SignOf(-0.5), -1);
}

TEST(SignAbbreviations, IndexAndLookUp)
{
    EXPECT_EQ(SignAbbreviation(0), "Ari");
    EXPECT_EQ(SignAbbreviation(11), "Pis");
    EXPECT_EQ(SignAbbreviation(12), "");
    EXPECT_EQ(SignAbbreviation(-1), "");
}

TEST(SignOf, WholeDegreesDecideAsTheTextDoes)
{
    // The quotient by 30 rounds up to 2 here; the text still says 59 Tau.
    const double justBelowSixty = std::nextafter(60.0, 0.0);
    EXPECT_EQ(SignOf(justBelowSixty), 1);
    EXPECT_EQ(ShortPositionText(justBelowSixty), "29 Tau 59");
    EXPECT_EQ(SignOf(60.0), 2);
    EXPECT_EQ(SignOf(std::nextafter(360.0, 0.0)), 11);
}
