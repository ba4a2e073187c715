#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "ToolRun.h"

namespace zodiora::cli::test {
namespace {

// FNV-1a: a fixed fingerprint of a whole output, the same on every build.
std::uint64_t Fingerprint(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

const std::vector<std::string> MinuteBirth{"--name", "asha", "--date", "1980-06-15", "--time", "06:30", "--zone",
                                           "34",     "--lat",  "28:37N", "--lon",      "077:13E", "--city", "X"};

// Coordinates given to the minute chart exactly as they did before seconds
// and exact decimals were kept: every byte of these outputs is pinned.
TEST(CoordinatePrecision, MinuteInputKeepsItsOutputsByteForByte)
{
    const Result classic = RunTool(With(MinuteBirth, {"--json"}));
    const Result precise = RunTool(With(MinuteBirth, {"--json", "--ephemeris", "precise"}));
    const Result text = RunTool(With(MinuteBirth, {"--ephemeris", "precise", "--vedic"}));
    ASSERT_EQ(classic.status, 0) << classic.err;
    EXPECT_EQ(Fingerprint(classic.out), 0x1ccbdc38f1b9022eULL);
    EXPECT_EQ(Fingerprint(precise.out), 0x84c9cb7801ae32c0ULL);
    EXPECT_EQ(Fingerprint(text.out), 0x61c856e96ebac2a2ULL);
    EXPECT_NE(precise.out.find("\"Asc\":74.8621297049595,"), std::string::npos);
    EXPECT_NE(precise.out.find("\"latitude\":\"28\xC2\xB0 37' N\""), std::string::npos);
}

std::vector<std::string> At(const std::string& latitude, const std::string& longitude)
{
    return {"--name", "asha",   "--date", "1980-06-15", "--time", "06:30", "--zone", "34",
            "--lat",  latitude, "--lon",  longitude,    "--json", "--ephemeris", "precise"};
}

// Seconds of arc, whole or with decimals, are charted and shown as given; a
// seconds field of 00 is not the same text as none, but the same place.
TEST(CoordinatePrecision, SecondsAreChartedAndShownAsGiven)
{
    const Result seconds = RunTool(At("28:37:00N", "077:13:00.0E"));
    ASSERT_EQ(seconds.status, 0) << seconds.err;
    EXPECT_NE(seconds.out.find("\"latitude\":\"28\xC2\xB0 37' 0\\\" N\""), std::string::npos) << seconds.out;
    EXPECT_NE(seconds.out.find("\"longitude\":\"77\xC2\xB0 13' 0.0\\\" E\""), std::string::npos);
    EXPECT_NE(seconds.out.find("\"Asc\":74.8621297049595,"), std::string::npos);

    // 30 seconds of longitude move the Ascendant by about 30 seconds of arc.
    const Result half = RunTool(At("28:37N", "077:13:30E"));
    const std::size_t asc = half.out.find("\"Asc\":");
    ASSERT_NE(asc, std::string::npos) << half.err;
    const double moved = std::stod(half.out.substr(asc + 6)) - 74.8621297049595;
    EXPECT_NEAR(moved * 3600, 30 * 1.2, 15);
    EXPECT_GT(moved, 0);
}

TEST(CoordinatePrecision, BadSecondsAreRefusedWithExitTwo)
{
    struct Case {
        std::string latitude, longitude, message;
    };
    const std::vector<Case> cases = {
        {"28:37:60N", "077:13E", "Please Enter Seconds From 0 To Below 60 in the Second of Latitude"},
        {"28:37N", "077:13:59.9999999999E", "Please Enter Seconds From 0 To Below 60 in the Second of Longitude"},
        {"28:37:5xN", "077:13E", "Please Enter Seconds From 0 To Below 60 in the Second of Latitude"},
        {"28:60:00N", "077:13E", "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
        {"28:37:N", "077:13E", "--lat '28:37:N' is not of the form DD:MM or DD:MM:SS followed by N or S"},
        {"90:00:00.5N", "077:13E", "--lat '90:00:00.5N': a latitude lies between 90S and 90N"},
        {"28:37N", "180:00:01E", "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    };
    for (const Case& c : cases) {
        const Result result = RunTool(At(c.latitude, c.longitude));
        EXPECT_EQ(result.status, 2) << c.latitude << " " << c.longitude;
        EXPECT_EQ(result.err, "zodiora-chart: " + c.message + "\n");
    }
}

// A batch record takes the same seconds as the options.
TEST(CoordinatePrecision, BatchRecordsTakeSeconds)
{
    const Result result = RunTool({"--batch", "-", "--json"}, "Asha,1980-06-15,06:30,34,21:38:24N,69:36:07.5E,0\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"latitude\":\"21\xC2\xB0 38' 24\\\" N\""), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"longitude\":\"69\xC2\xB0 36' 7.5\\\" E\""), std::string::npos);
}

}  // namespace
}  // namespace zodiora::cli::test
