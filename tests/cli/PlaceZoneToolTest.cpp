#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ToolRun.h"
#include "birthdata/TimeZoneTable.h"
#include "cli/ZoneChoice.h"

using namespace zodiora::cli::test;

namespace {

const std::vector<std::string> NewYork2007{"--name", "A", "--date", "2007-11-04", "--time", "01:30", "--zone",
                                           "America/New_York", "--lat", "40:43N", "--lon", "74:00W", "--json"};

nlohmann::json JsonOf(const Result& result)
{
    EXPECT_EQ(result.status, 0) << result.err;
    return result.status == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
}

}  // namespace

TEST(PlaceTool, BerkeleyFromTheAtlasWithHistorysOffset)
{
    const Result result = RunTool({"--name", "A", "--date", "2007-03-22", "--time", "10:00", "--place",
                                   "Berkeley, California, US", "--ephemeris", "precise", "--json"});
    const auto json = JsonOf(result);
    EXPECT_EQ(result.err.rfind("zodiora-chart: place: Berkeley, California, United States (37.8", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(", -122.27275, America/Los_Angeles)\n"), std::string::npos) << result.err;
    EXPECT_EQ(json["timeZone"], nlohmann::json::parse(
                                    R"({"id":"America/Los_Angeles","abbreviation":"PDT","offsetSeconds":-25200,"source":"tz"})"));
    EXPECT_EQ(json["utc"], "2007-03-22T17:00:00Z");
    EXPECT_EQ(json["positions"][10], "07 Tau 34");  // the published Lahiri Ascendant
    // The chart uses the atlas's five decimals to the last: seconds to three decimals.
    EXPECT_EQ(json["details"]["latitude"], "37° 52' 17.724\" N");
    EXPECT_EQ(json["details"]["longitude"], "122° 16' 21.900\" W");
    EXPECT_EQ(json["details"]["city"], "Berkeley");
    EXPECT_EQ(json["place"]["name"], "Berkeley");
    EXPECT_NEAR(json["place"]["longitude"].get<double>(), -122.27275, 1e-6);

    const auto overridden = JsonOf(RunTool({"--name", "A", "--date", "2007-03-22", "--time", "10:00", "--place",
                                            "Berkeley, California, US", "--lat", "10:00N", "--zone", "54", "--json"}));
    EXPECT_EQ(overridden["details"]["latitude"], "10° 0' N");
    EXPECT_EQ(overridden["details"]["longitude"], "122° 16' 21.900\" W");
    EXPECT_EQ(overridden["timeZone"]["source"], "row");
}

TEST(PlaceTool, ZoneIdsGiveTheOffsetOfTheirDay)
{
    const auto kolkata = JsonOf(RunTool({"--name", "A", "--date", "1942-10-01", "--time", "12:00", "--zone",
                                         "Asia/Kolkata", "--lat", "22:34N", "--lon", "88:22E", "--json"}));
    EXPECT_EQ(kolkata["timeZone"]["offsetSeconds"], 23400);  // war time, +06:30
    EXPECT_EQ(kolkata["utc"], "1942-10-01T05:30:00Z");
    const auto madras = JsonOf(RunTool({"--name", "A", "--date", "1901-06-01", "--time", "12:00", "--zone",
                                        "Asia/Kolkata", "--lat", "22:34N", "--lon", "88:22E", "--json"}));
    EXPECT_EQ(madras["timeZone"]["offsetSeconds"], 19270);  // Madras time, +05:21:10, to the second
    EXPECT_EQ(madras["utc"], "1901-06-01T06:38:50Z");

    const Result twice = RunTool(NewYork2007);
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("UTC-04:00 EDT"), std::string::npos) << twice.err;
    EXPECT_NE(twice.err.find("UTC-05:00 EST"), std::string::npos) << twice.err;
    EXPECT_EQ(JsonOf(RunTool(With(NewYork2007, {"--fold", "earlier"})))["utc"], "2007-11-04T05:30:00Z");
    EXPECT_EQ(JsonOf(RunTool(With(NewYork2007, {"--fold", "later"})))["utc"], "2007-11-04T06:30:00Z");

    std::vector<std::string> skipped = NewYork2007;
    skipped[3] = "2007-03-11";
    skipped[5] = "02:30";
    const Result never = RunTool(skipped);
    EXPECT_EQ(never.status, 2);
    EXPECT_NE(never.err.find("never happened"), std::string::npos) << never.err;

    std::vector<std::string> unknown = NewYork2007;
    unknown[7] = "Mars/Olympus";
    const Result bad = RunTool(unknown);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("'Mars/Olympus' is neither a row of the time-zone list"), std::string::npos) << bad.err;
    unknown[7] = "auto";
    EXPECT_EQ(RunTool(unknown).status, 2);

    const Result batch = RunTool({"--batch", "-", "--json"}, "A,1942-10-01,12:00,Asia/Kolkata,22:34N,88:22E,0\n");
    EXPECT_EQ(JsonOf(batch)["timeZone"]["id"], "Asia/Kolkata");

    // The batch's eleventh column picks the occurrence of a time read twice.
    const std::string twiceLine = "A,2007-11-04,01:30,America/New_York,40:43N,074:00W,0,,,,";
    const Result folds = RunTool({"--batch", "-", "--format", "csv"},
                                 twiceLine + "earlier\n" + twiceLine + "later\n" + twiceLine + "\n" + twiceLine + "x\n");
    EXPECT_EQ(folds.status, 1);
    EXPECT_NE(folds.out.find("\n1,A,2007-11-04T05:30:00Z,"), std::string::npos) << folds.out;
    EXPECT_NE(folds.out.find("\n2,A,2007-11-04T06:30:00Z,"), std::string::npos) << folds.out;
    EXPECT_NE(folds.err.find("line 3: 2007-11-04 01:30:00 in America/New_York happened twice"), std::string::npos)
        << folds.err;
    EXPECT_NE(folds.err.find("line 4: the fold field must be earlier, later or empty, not 'x'"), std::string::npos)
        << folds.err;
}

TEST(PlaceTool, FindPlaceListsMatchesLargestFirst)
{
    const Result text = RunTool({"--find-place", "Calcutta"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Kolkata, West Bengal, India  22.5", 0), 0u) << text.out;

    const Result lines = RunTool({"--find-place", "San", "--json"});
    ASSERT_EQ(lines.status, 0) << lines.err;
    EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 20);
    const auto first = nlohmann::json::parse(lines.out.substr(0, lines.out.find('\n')));
    for (const char* key : {"name", "state", "country", "latitude", "longitude", "zoneId", "population"}) {
        EXPECT_TRUE(first.contains(key)) << key;
    }
    EXPECT_EQ(RunTool({"--find-place", "Qqqqxz"}).status, 2);
    EXPECT_EQ(RunTool({"--find-place", "Calcutta", "--name", "A"}).status, 2);
}

TEST(PlaceTool, OffsetsAndRowAbbreviationsAreNamed)
{
    using zodiora::cli::OffsetText;
    EXPECT_EQ(OffsetText(-21036), "UTC-05:50:36");  // Chicago's local mean time
    EXPECT_EQ(OffsetText(20700), "UTC+05:45");
    EXPECT_EQ(OffsetText(0), "UTC+00:00");
    for (int row = 0; row < zodiora::TimeZoneRowCount; ++row) {
        const std::string_view abbreviation = zodiora::cli::RowAbbreviation(row);
        EXPECT_FALSE(abbreviation.empty()) << row;
        EXPECT_EQ(abbreviation.find_first_of(" ,"), std::string_view::npos) << row;
    }
    EXPECT_EQ(zodiora::cli::RowAbbreviation(34), "IST");
}

TEST(PlaceTool, FoldWithARowOfTheZoneListIsRefused)
{
    const Result result = RunTool(With(Delhi1980, {"--fold", "later"}));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "zodiora-chart: --fold goes with a time-zone id (e.g. America/New_York), not with a row of "
                          "the time-zone list\n");
}

TEST(PlaceTool, ADamagedOrMissingZoneDatabaseIsNamedNotBlamedOnZone)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zodiora-tz-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    std::filesystem::create_directories(folder / "damaged/Europe");
    std::filesystem::create_directories(folder / "empty");
    std::ofstream(folder / "damaged/Europe/London", std::ios::binary) << std::string("TZif2\0\0\0", 8)
                                                                       << std::string(60, '\xff');
    const std::vector<std::string> london{"--name", "A", "--date", "1971-06-15", "--time", "06:30", "--lat", "51:30N",
                                          "--lon", "0:07W"};

    setenv("TZDIR", (folder / "damaged").c_str(), 1);
    const Result damaged = RunTool(With(london, {"--zone", "Europe/London"}));
    EXPECT_EQ(damaged.status, 2);
    EXPECT_NE(damaged.err.find("the time-zone file for Europe/London in " + (folder / "damaged").string() +
                               " is damaged"),
              std::string::npos)
        << damaged.err;

    setenv("TZDIR", (folder / "empty").c_str(), 1);
    const Result empty =
        RunTool({"--name", "A", "--date", "1971-06-15", "--time", "06:30", "--place", "London, England"});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("there is no time-zone database in " + (folder / "empty").string()), std::string::npos)
        << empty.err;
    EXPECT_EQ(empty.err.find("--zone"), std::string::npos) << empty.err;
    unsetenv("TZDIR");
    std::filesystem::remove_all(folder);
}
