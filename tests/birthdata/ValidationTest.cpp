#include <gtest/gtest.h>

#include "birthdata/BirthDataInput.h"
#include "SampleBirths.h"
#include "birthdata/UniversalTime.h"

using namespace zodiora;

namespace {

BirthFormInput ValidInput()
{
    return test::Delhi1980Input();
}

const std::string LonDegreeMessage = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
const std::string LonMinuteMessage = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
const std::string LatDegreeMessage = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
const std::string LatMinuteMessage = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";

void ExpectMessage(const BirthFormInput& input, const std::string& text, MessageIcon icon, FormField focus)
{
    const auto message = ValidateBirthData(input);
    ASSERT_TRUE(message.has_value()) << "expected: " << text;
    EXPECT_EQ(message->text, text);
    EXPECT_EQ(message->icon, icon);
    EXPECT_EQ(message->focus, focus);
}

}  // namespace

TEST(Validation, AcceptsACompleteBirth)
{
    EXPECT_FALSE(ValidateBirthData(ValidInput()).has_value());
}

TEST(Validation, NameMustHoldMoreThanBlanks)
{
    auto input = ValidInput();
    input.name = "   ";
    ExpectMessage(input, "Please Enter Name", MessageIcon::Error, FormField::Name);
    input.name = "";
    ExpectMessage(input, "Please Enter Name", MessageIcon::Error, FormField::Name);
    input.name = "  ASHA ";
    EXPECT_FALSE(ValidateBirthData(input).has_value());
}

TEST(Validation, DegreeRangesAndTheirMessages)
{
    auto input = ValidInput();
    input.lonDegrees = "179";
    EXPECT_FALSE(ValidateBirthData(input).has_value());
    input.lonDegrees = "180";
    ExpectMessage(input, LonDegreeMessage, MessageIcon::Error, FormField::LonDegrees);
    input.lonDegrees = "0";
    EXPECT_FALSE(ValidateBirthData(input).has_value());

    input = ValidInput();
    input.latDegrees = "89";
    EXPECT_FALSE(ValidateBirthData(input).has_value());
    input.latDegrees = "90";
    ExpectMessage(input, LatDegreeMessage, MessageIcon::Error, FormField::LatDegrees);

    input = ValidInput();
    input.lonMinutes = "60";
    ExpectMessage(input, LonMinuteMessage, MessageIcon::Error, FormField::LonMinutes);
    input = ValidInput();
    input.latMinutes = "60";
    ExpectMessage(input, LatMinuteMessage, MessageIcon::Error, FormField::LatMinutes);
    input.latMinutes = "59";
    EXPECT_FALSE(ValidateBirthData(input).has_value());
}

// Pasted text skips the keystroke filters; it must never chart as 0°.
TEST(Validation, PastedTextThatIsNotDigitsFails)
{
    for (const char* bad : {"abc", "12a", "-5", "+5", "5.5", "1e2", "", "   ", "0x1f", "\xC2\xB2"}) {
        auto input = ValidInput();
        input.lonDegrees = bad;
        ExpectMessage(input, LonDegreeMessage, MessageIcon::Error, FormField::LonDegrees);
        input = ValidInput();
        input.latDegrees = bad;
        ExpectMessage(input, LatDegreeMessage, MessageIcon::Error, FormField::LatDegrees);
        input = ValidInput();
        input.lonMinutes = bad;
        ExpectMessage(input, LonMinuteMessage, MessageIcon::Error, FormField::LonMinutes);
        input = ValidInput();
        input.latMinutes = bad;
        ExpectMessage(input, LatMinuteMessage, MessageIcon::Error, FormField::LatMinutes);
    }
    auto input = ValidInput();
    input.lonDegrees = " 077 ";
    EXPECT_FALSE(ValidateBirthData(input).has_value());
    input.lonDegrees = "99999999999999999999999";
    ExpectMessage(input, LonDegreeMessage, MessageIcon::Error, FormField::LonDegrees);
}

TEST(Validation, OnlyTheFirstFailingCheckSpeaks)
{
    BirthFormInput input = ValidInput();
    input.lonMinutes = "";
    input.latDegrees = "95";
    input.latMinutes = "75";
    input.monthIndex = 1;
    input.day = 31;
    ExpectMessage(input, LonMinuteMessage, MessageIcon::Error, FormField::LonMinutes);

    input.name = "";
    input.lonDegrees = "500";
    ExpectMessage(input, "Please Enter Name", MessageIcon::Error, FormField::Name);
}

TEST(Validation, FebruaryFollowsTheLeapYears)
{
    auto input = ValidInput();
    input.monthIndex = 1;
    for (const int leapYear : {1600, 1904, 2000, 2048, 2396}) {
        input.year = leapYear;
        input.day = 29;
        EXPECT_FALSE(ValidateBirthData(input).has_value()) << leapYear;
        input.day = 30;
        ExpectMessage(input, "Please Enter Correct Date Or Month!", MessageIcon::Information, FormField::None);
    }
    // Gregorian centuries not divisible by 400 have no 29 February (the Julian calendar's do).
    for (const int commonYear : {1700, 1800, 1900, 2001, 2100, 2300}) {
        input.year = commonYear;
        input.day = 29;
        ExpectMessage(input, "Please Enter Correct Date Or Month!", MessageIcon::Information, FormField::None);
    }
    input.day = 28;
    EXPECT_FALSE(ValidateBirthData(input).has_value());
}

TEST(Validation, ThirtyDayMonthsRefuseTheThirtyFirst)
{
    auto input = ValidInput();
    input.day = 31;
    for (const int monthIndex : {3, 5, 8, 10}) {
        input.monthIndex = monthIndex;
        ExpectMessage(input, "Please Enter Correct Date Or Month !", MessageIcon::Information, FormField::None);
    }
    for (const int monthIndex : {0, 2, 4, 6, 7, 9, 11}) {
        input.monthIndex = monthIndex;
        EXPECT_FALSE(ValidateBirthData(input).has_value()) << "month index " << monthIndex;
    }
}

TEST(ReadBirthData, ConvertsTheFieldsAndKeepsTextsUntrimmed)
{
    auto input = ValidInput();
    input.name = "  ASHA RAO  ";
    input.latDegrees = " 08 ";
    input.south = true;
    input.east = false;
    input.daylightSaving = true;
    input.city = " Pune";
    BirthData birth;
    ReadBirthData(input, birth);
    EXPECT_EQ(birth.name, "  ASHA RAO  ");
    EXPECT_EQ(birth.month, 6);
    EXPECT_EQ(birth.day, 15);
    EXPECT_EQ(birth.year, 1980);
    EXPECT_EQ(birth.hour, 6);
    EXPECT_EQ(birth.minute, 30);
    EXPECT_EQ(birth.zoneHours, -5);
    EXPECT_EQ(birth.zoneMinutes, -30);
    EXPECT_EQ(birth.latDegrees, 8);
    EXPECT_EQ(birth.latMinutes, 37);
    EXPECT_EQ(birth.lonDegrees, 77);
    EXPECT_EQ(birth.lonMinutes, 13);
    EXPECT_TRUE(birth.south);
    EXPECT_FALSE(birth.east);
    EXPECT_TRUE(birth.daylightSaving);
    EXPECT_EQ(birth.city, " Pune");
}

TEST(ReadBirthData, ANewRowReplacesTheCorrectionOfTheLastChart)
{
    auto input = ValidInput();
    BirthData birth;
    ReadBirthData(input, birth);
    input.zoneRow = 54;
    ReadBirthData(input, birth);
    EXPECT_EQ(birth.zoneHours, 8);
    EXPECT_EQ(birth.zoneMinutes, 0);
}

// A seconds field: empty (to the minute), or one or two digits with up to
// nine decimals, below 60.
TEST(Validation, SecondsOfArcAreOptionalAndBelowSixty)
{
    EXPECT_EQ(ArcSecondsValue("24"), (ArcSeconds{24, 0}));
    EXPECT_EQ(ArcSecondsValue(" 07.5 "), (ArcSeconds{7.5, 1}));
    EXPECT_EQ(ArcSecondsValue("59.999999999"), (ArcSeconds{59.999999999, 9}));
    for (const char* bad : {"", "60", "60.0", "7.", ".5", "124", "1e1", "-1", "5.1234567890", "5,5"}) {
        EXPECT_FALSE(ArcSecondsValue(bad).has_value()) << bad;
    }
    auto input = ValidInput();
    input.latSeconds = "60";
    ExpectMessage(input, "Please Enter Seconds From 0 To Below 60 in the Second of Latitude", MessageIcon::Error,
                  FormField::LatSeconds);
    input = ValidInput();
    input.lonSeconds = "x";
    ExpectMessage(input, "Please Enter Seconds From 0 To Below 60 in the Second of Longitude", MessageIcon::Error,
                  FormField::LonSeconds);
}

// Seconds count only when given: a coordinate to the minute sums exactly as
// before, and 36 seconds are a hundredth of a degree.
TEST(ReadBirthData, SecondsJoinTheSignedCoordinates)
{
    auto input = ValidInput();
    BirthData birth;
    ReadBirthData(input, birth);
    EXPECT_FALSE(birth.latSeconds.has_value());
    EXPECT_EQ(SignedLatitude(birth), birth.latDegrees + birth.latMinutes / 60.0);
    input.latSeconds = "36";
    input.lonSeconds = "00.000";
    ReadBirthData(input, birth);
    EXPECT_NEAR(SignedLatitude(birth), birth.latDegrees + birth.latMinutes / 60.0 + 0.01, 1e-12);
    EXPECT_EQ(birth.lonSeconds, (ArcSeconds{0, 3}));
    EXPECT_EQ(SignedLongitude(birth), -(birth.lonDegrees + birth.lonMinutes / 60.0));
}
