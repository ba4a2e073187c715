#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ChartTool.h"
#include "ToolRun.h"

using namespace zodiora::cli;

using namespace zodiora::cli::test;

TEST(ChartTool, JsonCarriesTheWholeChart)
{
    const Result result = RunTool(With(Delhi1980, {"--json"}));
    ASSERT_EQ(result.status, ExitOk) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["positions"][0], "00 Gem 30");
    EXPECT_EQ(json["positions"][10], "14 Gem 51");
    EXPECT_EQ(json["ascendant"], "14\u00B0 51' 54\" Gem");
    EXPECT_EQ(json["moon"], "28\u00B0 1' 43\" Gem");
    EXPECT_EQ(json["moonSign"], "Gemini (Mithuna)");
    EXPECT_EQ(json["sunSign"], "Gemini");
    EXPECT_EQ(json["lagna"], "Gemini (Mithuna)");
    EXPECT_NEAR(json["ayanamsa1900"].get<double>(), -23.58185, 0.000005);
    EXPECT_DOUBLE_EQ(json["universalHours"].get<double>(), 1.0);
    EXPECT_EQ(json["universalDateTime"], "1980-06-15 01:00");
    EXPECT_EQ(json["bodies"].size(), 9u);
    EXPECT_EQ(json["bodies"][2], "0\u00B0 30' 36\" Gem");
    EXPECT_EQ(json["planetNames"].size(), 7u);
    EXPECT_EQ(json["houses"].size(), 12u);
    EXPECT_EQ(json["houses"][2], "\r\nMars\r\nJupiter\r\nSaturn");
    EXPECT_EQ(json["glyphs"], nlohmann::json({3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}));
    const auto& details = json["details"];
    EXPECT_EQ(details["name"], "ASHA");
    EXPECT_EQ(details["dob"], "June/15/1980");
    EXPECT_EQ(details["tob"], "6:30");
    EXPECT_EQ(details["latitude"], "28\u00B0 37' N");
    EXPECT_EQ(details["longitude"], "77\u00B0 13' E");
    EXPECT_EQ(details["city"], "New Delhi");
    EXPECT_EQ(details["state"], "Delhi");
    EXPECT_EQ(details["country"], "India");
}

TEST(ChartTool, ReadableChartShowsSignsPositionsAndHouses)
{
    const Result result = RunTool(Delhi1980);
    ASSERT_EQ(result.status, ExitOk) << result.err;
    for (const char* expected : {"Chart of ASHA", "June/15/1980", "Gemini (Mithuna)", "00 Gem 30", "14 Gem 51",
                                 "Sun, Moon, Mercury, Venus", "Mars, Jupiter, Saturn", "New Delhi"}) {
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
    }
}

TEST(ChartTool, BadInputPrintsOneLineAndExitsWithTwo)
{
    const Result longitude = RunTool({"--name", "A", "--date", "1980-06-15", "--time", "06:30", "--zone", "34", "--lat",
                                  "28:37N", "--lon", "180:00E"});
    EXPECT_EQ(longitude.status, ExitBadInput);
    EXPECT_EQ(longitude.err, "zodiora-chart: Please Enter Value Between 0 And 179 in the Degree of Longitude\n");
    EXPECT_TRUE(longitude.out.empty());

    const Result missing = RunTool({"--name", "A"});
    EXPECT_EQ(missing.status, ExitBadInput);
    EXPECT_NE(missing.err.find("--date is required"), std::string::npos) << missing.err;

    const Result unknown = RunTool({"--frobnicate"});
    EXPECT_EQ(unknown.status, ExitBadInput);
    EXPECT_EQ(std::count(unknown.err.begin(), unknown.err.end(), '\n'), 1);

    EXPECT_EQ(RunTool({"--batch", "/nonexistent/charts.csv"}).status, ExitBadInput);
}

TEST(ChartTool, HelpExitsCleanly)
{
    const Result result = RunTool({"--help"});
    EXPECT_EQ(result.status, ExitOk);
    EXPECT_NE(result.out.find("--batch"), std::string::npos);
}

TEST(ChartTool, BatchKeepsInputOrderAndReportsBadLines)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zodiora-batch-test.csv";
    {
        std::ofstream file(path, std::ios::binary);
        file << "asha,1980-06-15,06:30,34,28:37N,77:13E,0\r\n"
             << "BAD LINE\n"
             << "GREENWICH,2000-01-01,12:00,29,51:30N,0:00W,0\n"
             << "RAVI,1980-04-31,06:30,34,28:37N,77:13E,0\n"
             << "RAVI,1980-06-15,06:30,34,28:37N,77:13E,1\n";
    }
    const Result result = RunTool({"--batch", path.string(), "--json"});
    std::filesystem::remove(path);
    EXPECT_EQ(result.status, ExitSomeBatchLinesFailed);

    std::istringstream lines(result.out);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 5u) << result.out;
    EXPECT_EQ(objects[0]["details"]["name"], "ASHA");
    EXPECT_EQ(objects[1]["line"], 2);
    EXPECT_NE(objects[1]["error"].get<std::string>().find("7 comma-separated fields"), std::string::npos);
    EXPECT_EQ(objects[2]["positions"][0], "16 Sag 31");
    EXPECT_EQ(objects[2]["ascendant"], "0\u00B0 26' 38\" Ari");
    EXPECT_EQ(objects[3]["line"], 4);
    EXPECT_EQ(objects[3]["error"], "Please Enter Correct Date Or Month !");
    EXPECT_EQ(objects[4]["positions"][10], "01 Gem 09");
    EXPECT_NE(result.err.find("line 2:"), std::string::npos);
    EXPECT_NE(result.err.find("line 4:"), std::string::npos);
}

TEST(ChartTool, StationsListsOnePeriodPerLine)
{
    const Result mercury = RunTool({"--stations", "Mercury"});
    ASSERT_EQ(mercury.status, ExitOk) << mercury.err;
    std::istringstream lines(mercury.out);
    std::vector<std::string> periods;
    for (std::string line; std::getline(lines, line);) periods.push_back(line);
    ASSERT_EQ(periods.size(), 476u);
    EXPECT_EQ(periods.front(), "3,15,1900,13,19, 4,7,1900,18,42,");
    EXPECT_EQ(periods.back(), "12,1,2050,17,17, 12,21,2050,11,33,");

    EXPECT_EQ(RunTool({"--stations", "saturn"}).status, ExitOk);
    const Result unknown = RunTool({"--stations", "Sun"});
    EXPECT_EQ(unknown.status, ExitBadInput);
    EXPECT_NE(unknown.err.find("no station table for 'Sun'"), std::string::npos) << unknown.err;
    EXPECT_TRUE(unknown.out.empty());
}

TEST(ChartTool, StationsInYearsComeFromTheTablesInsideThemAndAreFoundOutside)
{
    // Mars's table runs 1901-2050 whole: the same lines, in both formats.
    for (const std::vector<std::string>& format : {std::vector<std::string>{}, std::vector<std::string>{"--format", "json"}}) {
        std::vector<std::string> years{"--stations", "Mars", "--from", "1901", "--to", "2050"};
        std::vector<std::string> whole{"--stations", "Mars"};
        years.insert(years.end(), format.begin(), format.end());
        whole.insert(whole.end(), format.begin(), format.end());
        EXPECT_EQ(RunTool(years).out, RunTool(whole).out);
    }
    // Outside, found to the minute in the same format: Saturn in 1869-1870.
    const Result saturn = RunTool({"--stations", "Saturn", "--from", "1869", "--to", "1870"});
    ASSERT_EQ(saturn.status, ExitOk) << saturn.err;
    EXPECT_EQ(saturn.out, "3,26,1869,12,31, 8,14,1869,14,50,\n4,7,1870,7,24, 8,26,1870,16,30,\n");
    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"--stations", "Mars", "--from", "1500", "--to", "1600"},
          std::vector<std::string>{"--stations", "Mars", "--from", "2000", "--to", "1990"}}) {
        const Result result = RunTool(refused);
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_EQ(result.err, "zodiora-chart: --from and --to must be years from 1583 to 2399, --from not after --to\n");
    }
    EXPECT_EQ(RunTool({"--stations", "Mars", "--from", "1990"}).status, ExitBadInput);
}

TEST(ChartTool, RetrogradePlanetsAreMarkedInNamesAndHouses)
{
    const Result result = RunTool(With(Delhi1980, {"--json"}));
    ASSERT_EQ(result.status, ExitOk) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["planetNames"],
              nlohmann::json({"Sun", "Moon", "Mercury", "Venus (R) ", "Mars", "Jupiter", "Saturn"}));
    EXPECT_EQ(json["houses"][0], "\r\nSun\r\nMoon\r\nMercury\r\nVenus (R) \r\nAsc");
}

TEST(ChartTool, ReportFollowsTheChart)
{
    const Result text = RunTool(With(Delhi1980, {"--report"}));
    ASSERT_EQ(text.status, ExitOk) << text.err;
    const std::size_t heading = text.out.find("Planets in Signs");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_LT(text.out.find("Houses"), heading);
    EXPECT_NE(text.out.find("Sun In Gemini\n", heading), std::string::npos);
    EXPECT_NE(text.out.find("Pluto In Virgo\n", heading), std::string::npos);
    EXPECT_EQ(text.out.find('\r'), std::string::npos);

    const Result json = RunTool(With(Delhi1980, {"--json", "--report"}));
    const auto report = nlohmann::json::parse(json.out)["report"].get<std::string>();
    EXPECT_EQ(report.rfind("Sun In Gemini\r\n", 0), 0u) << report.substr(0, 40);
    EXPECT_EQ(report.substr(report.size() - 7), "Mercury");  // Pluto in Virgo, ruled by Mercury
}

TEST(ChartTool, ClassicDatesRunFrom1901To2050AndNameThePreciseEphemeris)
{
    auto birth = Delhi1980;
    for (const char* accepted : {"2050-12-31", "1901-01-01"}) {
        birth[3] = accepted;
        EXPECT_EQ(RunTool(birth).status, ExitOk) << accepted;
    }
    for (const char* refused : {"2051-01-01", "1900-12-31"}) {
        birth[3] = refused;
        const Result result = RunTool(birth);
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_EQ(result.err, std::string("zodiora-chart: --date '") + refused +
                                  "': the year must lie between 1901 and 2050; the precise ephemeris "
                                  "(--ephemeris precise) charts 1583 to 2399\n");
    }
}

TEST(ChartTool, PreciseDatesRunFrom1583To2399Gregorian)
{
    auto birth = With(Delhi1980, {"--ephemeris", "precise"});
    for (const char* accepted : {"1583-01-01", "1869-10-02", "2399-12-31", "2000-02-29"}) {
        birth[3] = accepted;
        EXPECT_EQ(RunTool(birth).status, ExitOk) << accepted;
    }
    const std::pair<const char*, const char*> refused[] = {
        {"1582-12-31", "': the year must lie between 1583 and 2399 (Gregorian calendar)"},
        {"2400-01-01", "': the year must lie between 1583 and 2399 (Gregorian calendar)"},
        {"1900-02-29", "': 1900 has no 29 February in the Gregorian calendar (Julian-calendar dates are not supported)"},
        {"1700-02-18 OS", "': Julian-calendar (Old Style) dates are not supported; give the Gregorian (New Style) date"},
        {"1700-02-18J", "': Julian-calendar (Old Style) dates are not supported; give the Gregorian (New Style) date"},
    };
    for (const auto& [date, message] : refused) {
        birth[3] = date;
        const Result result = RunTool(birth);
        EXPECT_EQ(result.status, ExitBadInput) << date;
        EXPECT_EQ(result.err, std::string("zodiora-chart: --date '") + date + message + "\n");
    }
}

TEST(ChartTool, LatitudeBeyondThePoleIsRefused)
{
    for (const char* latitude : {"95N", "90:01S", "-90.5"}) {
        const Result result = RunTool({"--name", "A", "--date", "1980-06-15", "--time", "06:30", "--zone", "29",
                                       "--lat", latitude, "--lon", "0:00W"});
        EXPECT_EQ(result.status, ExitBadInput) << latitude;
        EXPECT_EQ(result.err, std::string("zodiora-chart: --lat '") + latitude + "': a latitude lies between 90S and 90N\n");
    }
}

TEST(ChartTool, NameWithBackspaceOrCarriageReturnIsRefused)
{
    for (const char* name : {"AS\bHA", "ASHA\r", "\r"}) {
        auto birth = Delhi1980;
        birth[1] = name;
        const Result result = RunTool(birth);
        EXPECT_EQ(result.status, ExitBadInput);
        EXPECT_EQ(result.err, "zodiora-chart: Please Enter only Letters\n");
    }
}

TEST(ChartTool, HouseSignsFollowTheAscendant)
{
    // Gemini rises, so house 1 is Gemini and house 12 Taurus; Greenwich
    // 2000 has Aries rising.
    const Result delhi = RunTool(Delhi1980);
    EXPECT_NE(delhi.out.find("   1  Gemini       Sun, Moon, Mercury, Venus (R), Asc\n"), std::string::npos) << delhi.out;
    EXPECT_NE(delhi.out.find("   2  Cancer       -\n"), std::string::npos);
    EXPECT_NE(delhi.out.find("  12  Taurus       -\n"), std::string::npos);
    const Result greenwich = RunTool({"--name", "G", "--date", "2000-01-01", "--time", "12:00", "--zone", "29",
                                      "--lat", "51:30N", "--lon", "0:00W"});
    EXPECT_NE(greenwich.out.find("   1  Aries        "), std::string::npos) << greenwich.out;
    EXPECT_NE(greenwich.out.find("  12  Pisces       "), std::string::npos);
}

TEST(ChartTool, BatchTextSeparatesChartsByOneBlankLine)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zodiora-batch-framing.csv";
    std::ofstream(path, std::ios::binary) << "asha,1980-06-15,06:30,34,28:37N,77:13E,0\n"
                                             "ravi,1980-06-15,06:30,34,28:37N,77:13E,1\n";
    const Result batch = RunTool({"--batch", path.string()});
    std::filesystem::remove(path);
    auto asha = Delhi1980;
    asha.resize(12);
    auto ravi = asha;
    ravi[1] = "ravi";
    ravi.push_back("--dst");
    EXPECT_EQ(batch.status, ExitOk);
    EXPECT_EQ(batch.out, RunTool(asha).out + "\n" + RunTool(ravi).out);
}

TEST(ChartTool, LocalMeanTimeIsNamedInTheClockLineAndTheJson)
{
    const std::vector<std::string> birth{"--name", "Gandhi", "--date", "1869-10-02", "--time", "07:12", "--zone",
                                         "Asia/Kolkata", "--lat", "21:38N", "--lon", "69:36E", "--city", "Porbandar",
                                         "--ephemeris", "precise"};
    const Result text = RunTool(With(birth, {"--vedic"}));
    ASSERT_EQ(text.status, ExitOk) << text.err;
    EXPECT_NE(text.out.find("clock: Local mean time of Porbandar, +04:38:24\n"), std::string::npos) << text.out;
    const auto json = nlohmann::json::parse(RunTool(With(birth, {"--json"})).out);
    EXPECT_EQ(json["timeZone"]["source"], "lmt");
    EXPECT_EQ(json["timeZone"]["id"], "Asia/Kolkata");
    EXPECT_EQ(json["timeZone"]["abbreviation"], "LMT");
    EXPECT_EQ(json["timeZone"]["offsetSeconds"], 16704);
    const auto asked = nlohmann::json::parse(RunTool({"--name", "A", "--date", "1980-06-15", "--time", "06:30",
                                                      "--zone", "lmt", "--lat", "21:38N", "--lon", "69:36W", "--json"})
                                                 .out);
    EXPECT_EQ(asked["timeZone"]["source"], "lmt");
    EXPECT_TRUE(asked["timeZone"]["id"].is_null());
    EXPECT_EQ(asked["timeZone"]["offsetSeconds"], -16704);
}
