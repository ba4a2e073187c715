#include <gtest/gtest.h>

#include "cli/ChartRequest.h"

using namespace zodiora;
using namespace zodiora::cli;

namespace {

ChartArguments Delhi()
{
    ChartArguments arguments;
    arguments.name = "asha rao";
    arguments.date = "1980-06-15";
    arguments.time = "06:30";
    arguments.zone = "34";
    arguments.latitude = "28:37N";
    arguments.longitude = "77:13E";
    return arguments;
}

std::string ErrorOf(const ChartArguments& arguments)
{
    const auto parsed = ParseChartArguments(arguments);
    return parsed.index() == 1 ? std::get<1>(parsed) : std::string("(accepted)");
}

}  // namespace

TEST(ChartArguments, BecomeWhatTheFormWouldHold)
{
    ChartArguments arguments = Delhi();
    arguments.latitude = "08:05S";
    arguments.longitude = "122:00W";
    arguments.daylightSaving = true;
    arguments.city = "Lima ";
    const auto parsed = ParseChartArguments(arguments);
    ASSERT_EQ(parsed.index(), 0u) << ErrorOf(arguments);
    const BirthFormInput& input = std::get<0>(parsed);
    EXPECT_EQ(input.name, "ASHA RAO");
    EXPECT_EQ(input.monthIndex, 5);
    EXPECT_EQ(input.day, 15);
    EXPECT_EQ(input.year, 1980);
    EXPECT_EQ(input.hour, 6);
    EXPECT_EQ(input.minute, 30);
    EXPECT_EQ(input.zoneRow, 34);
    EXPECT_EQ(input.latDegrees, "08");
    EXPECT_EQ(input.latMinutes, "05");
    EXPECT_TRUE(input.south);
    EXPECT_EQ(input.lonDegrees, "122");
    EXPECT_FALSE(input.east);
    EXPECT_TRUE(input.daylightSaving);
    EXPECT_EQ(input.city, "Lima ");
}

TEST(ChartArguments, BadBirthGetsTheFormsMessage)
{
    auto arguments = Delhi();
    arguments.name = "o''neil";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter only Letters");
    arguments.name = "";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Name");

    arguments = Delhi();
    arguments.longitude = "180:00E";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    arguments.longitude = "abc:10W";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    arguments.longitude = "10:60W";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Value Between 0 And 59 in the  Minute of Longitude");

    arguments = Delhi();
    arguments.date = "1980-04-31";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Correct Date Or Month !");
    arguments.date = "2001-02-29";
    EXPECT_EQ(ErrorOf(arguments), "Please Enter Correct Date Or Month!");
    arguments.date = "2000-02-29";
    EXPECT_EQ(ErrorOf(arguments), "(accepted)");
}

TEST(ChartArguments, MalformedValuesGetAOneLineError)
{
    const std::pair<std::string ChartArguments::*, std::vector<std::string>> cases[] = {
        {&ChartArguments::date, {"15-06-1980", "1980/06/15", "1980-13-01", "1980-00-10", "1980-06-32", "1900-12-31",
                                 "2051-01-01", "", "19800615", "198a-06-15"}},
        {&ChartArguments::time, {"24:00", "12:60", "1230", "", "-1:00", "12:5x", "123:00", "12:30:60", "12:30:", "12:30:1:2"}},
        {&ChartArguments::zone, {"71", "-1", "", "x", "29.0", "100"}},
        {&ChartArguments::latitude, {"28:37", "28:37E", "2837N", "", ":N", "N"}},
        {&ChartArguments::longitude, {"77:13", "77:13N", "", "77.E", "-77E", "1e2", "77,5E"}},
    };
    for (const auto& [field, values] : cases) {
        for (const std::string& value : values) {
            ChartArguments arguments = Delhi();
            arguments.*field = value;
            const std::string error = ErrorOf(arguments);
            EXPECT_NE(error, "(accepted)") << value;
            EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        }
    }
}

TEST(BatchLine, SplitsSevenFields)
{
    const auto parsed = ParseBatchLine("ASHA,1980-06-15,06:30,34,28:37N,77:13E,1\r");
    ASSERT_EQ(parsed.index(), 0u);
    const ChartArguments& arguments = std::get<0>(parsed);
    EXPECT_EQ(arguments.name, "ASHA");
    EXPECT_EQ(arguments.date, "1980-06-15");
    EXPECT_EQ(arguments.longitude, "77:13E");
    EXPECT_TRUE(arguments.daylightSaving);
}

TEST(BatchLine, RefusesWrongFieldCountsAndDaylightFlags)
{
    EXPECT_EQ(ParseBatchLine("").index(), 1u);
    EXPECT_EQ(ParseBatchLine("ASHA,1980-06-15,06:30,34,28:37N,77:13E").index(), 1u);
    EXPECT_EQ(ParseBatchLine("ASHA,1980-06-15,06:30,34,28:37N,77:13E,0,extra").index(), 1u);
    EXPECT_EQ(ParseBatchLine("ASHA,1980-06-15,06:30,34,28:37N,77:13E,yes").index(), 1u);
}

// Decimal degrees become degrees, minutes and seconds exactly (n decimals of
// a degree, n - 2 of a second); the sign or the letter picks the hemisphere.
TEST(ChartArguments, DecimalDegreesAndSeconds)
{
    ChartArguments arguments = Delhi();
    arguments.latitude = "-33.8688";
    arguments.longitude = "151.2093E";
    arguments.time = "06:30:15";
    auto parsed = ParseChartArguments(arguments);
    ASSERT_EQ(parsed.index(), 0u) << std::get<1>(parsed);
    const BirthFormInput& input = std::get<0>(parsed);
    EXPECT_EQ(input.latDegrees, "33");
    EXPECT_EQ(input.latMinutes, "52");
    EXPECT_EQ(input.latSeconds, "07.68");
    EXPECT_TRUE(input.south);
    EXPECT_EQ(input.lonDegrees, "151");
    EXPECT_EQ(input.lonMinutes, "12");
    EXPECT_EQ(input.lonSeconds, "33.48");
    EXPECT_TRUE(input.east);
    EXPECT_EQ(input.second, 15);

    arguments.latitude = "59.9999N";  // no longer rounded up into the next degree
    arguments.longitude = "-122.27";
    parsed = ParseChartArguments(arguments);
    ASSERT_EQ(parsed.index(), 0u);
    EXPECT_EQ(std::get<0>(parsed).latDegrees, "59");
    EXPECT_EQ(std::get<0>(parsed).latMinutes, "59");
    EXPECT_EQ(std::get<0>(parsed).latSeconds, "59.64");
    EXPECT_FALSE(std::get<0>(parsed).east);
    EXPECT_EQ(std::get<0>(parsed).lonMinutes, "16");
    EXPECT_EQ(std::get<0>(parsed).lonSeconds, "12");

    arguments.latitude = "28.6N";  // one decimal is a whole number of minutes
    parsed = ParseChartArguments(arguments);
    ASSERT_EQ(parsed.index(), 0u);
    EXPECT_EQ(std::get<0>(parsed).latMinutes, "36");
    EXPECT_EQ(std::get<0>(parsed).latSeconds, "");

    arguments.latitude = "91.5N";
    EXPECT_EQ(ErrorOf(arguments), "--lat '91.5N': a latitude lies between 90S and 90N");
}

TEST(ChartRequest, LocalMeanTimeIsTheBirthPlacesOwn)
{
    // 69°36′ E: 69.6 × 240 s = 16704 s = +04:38:24.
    ChartArguments arguments = Delhi();
    arguments.latitude = "21:38N";
    arguments.longitude = "69:36E";
    arguments.zone = "lmt";
    auto parsed = ParseChartRequest(arguments);
    ASSERT_EQ(parsed.index(), 0u) << std::get<1>(parsed);
    EXPECT_EQ(std::get<0>(parsed).form.exactOffsetSeconds, 16704);
    ASSERT_TRUE(std::get<0>(parsed).zone);
    EXPECT_TRUE(std::get<0>(parsed).zone->localMeanTime);
    EXPECT_EQ(std::get<0>(parsed).zone->id, "");

    // Asia/Kolkata kept Kolkata's mean time (LMT) to 1854, then Howrah's and
    // Madras's (to the second): a birth in Porbandar then kept Porbandar's.
    arguments.zone = "Asia/Kolkata";
    for (const char* date : {"1850-06-15", "1869-10-02", "1890-01-01"}) {
        arguments.date = date;
        parsed = ParseChartRequest(arguments);
        ASSERT_EQ(parsed.index(), 0u) << std::get<1>(parsed);
        EXPECT_EQ(std::get<0>(parsed).form.exactOffsetSeconds, 16704) << date;
        EXPECT_TRUE(std::get<0>(parsed).zone->localMeanTime) << date;
        EXPECT_EQ(std::get<0>(parsed).zone->id, "Asia/Kolkata");
        EXPECT_EQ(std::get<0>(parsed).zone->abbreviation, "LMT");
    }
    // Standard time stands: IST, and Madras time as history gives it after 1900.
    for (const auto& [date, offset] : {std::pair{"1980-06-15", 19800}, std::pair{"1903-06-15", 19270}}) {
        arguments.date = date;
        parsed = ParseChartRequest(arguments);
        ASSERT_EQ(parsed.index(), 0u) << std::get<1>(parsed);
        EXPECT_EQ(std::get<0>(parsed).form.exactOffsetSeconds, offset) << date;
        EXPECT_FALSE(std::get<0>(parsed).zone->localMeanTime) << date;
    }
}
