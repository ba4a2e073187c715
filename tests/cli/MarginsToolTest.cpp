// --with margins and --time-uncertainty: keys after the existing ones,
// times in the birth's offset, narrow against the stated uncertainty, the
// classic warnings only with the classic ephemeris, and the batch forms.
#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "ToolRun.h"
#include "chartlibrary/ChartLibrary.h"

using namespace zodiora::cli::test;

TEST(MarginsTool, JsonGivesEveryFactWithItsEdgesInTheBirthsOffset)
{
    const Result plain = RunTool(With(Delhi1980, {"--json"}));
    const Result with = RunTool(With(Delhi1980, {"--json", "--with", "margins"}));
    ASSERT_EQ(with.status, 0) << with.err;
    const auto json = nlohmann::ordered_json::parse(with.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()),
              (std::vector<std::string>{"margins", "classicWarnings", "stations"}));
    const auto& margins = json["margins"];
    ASSERT_EQ(margins.size(), 20u);
    EXPECT_EQ(margins.begin().key(), "lagnaSign");
    const std::string from = margins["lagnaSign"]["from"];
    const std::string until = margins["lagnaSign"]["until"];
    EXPECT_EQ(from.substr(19), "+05:30");
    EXPECT_LE(from, "1980-06-15T06:30:00+05:30");
    EXPECT_GE(until, "1980-06-15T06:30:00+05:30");
    EXPECT_TRUE(margins["D60Lagna"]["narrow"].is_boolean());
    EXPECT_TRUE(json["stations"].is_object());

    // A day's uncertainty makes the Navamsa Lagna narrow, none makes nothing narrow.
    const auto wide = nlohmann::ordered_json::parse(
        RunTool(With(Delhi1980, {"--json", "--with", "margins", "--time-uncertainty", "1440"})).out);
    EXPECT_TRUE(wide["margins"]["navamsaLagna"]["narrow"]);
    const auto exact = nlohmann::ordered_json::parse(
        RunTool(With(Delhi1980, {"--json", "--with", "margins", "--time-uncertainty", "0"})).out);
    for (const auto& [key, fact] : exact["margins"].items()) EXPECT_FALSE(fact["narrow"]) << key;

    const auto precise = nlohmann::ordered_json::parse(
        RunTool(With(Delhi1980, {"--json", "--with", "margins", "--ephemeris", "precise"})).out);
    EXPECT_FALSE(precise.contains("classicWarnings"));
    EXPECT_EQ(precise["margins"].size(), 20u);
}

TEST(MarginsTool, TextCsvAndBatchCarryTheMarginsAndAStrayUncertaintyIsRefused)
{
    const Result text = RunTool(With(Delhi1980, {"--with", "margins"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Birth-time margins (birth time within 5 min either way"), std::string::npos);
    EXPECT_NE(text.out.find("Navamsa Lagna"), std::string::npos);

    const Result csv = RunTool({"--batch", "-", "--format", "csv", "--with", "margins", "--time-uncertainty", "2"},
                               "A,1980-06-15,06:30,34,28:37N,077:13E,0\nB,1990-01-01,12:00,34,28:37N,077:13E,0\n");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string header = csv.out.substr(0, csv.out.find('\n'));
    EXPECT_NE(header.find(",lagnaSign,lagnaSign_from,lagnaSign_until,lagnaSign_narrow,"), std::string::npos);
    EXPECT_NE(header.find(",D60Lagna_narrow,tithi,tithi_from,tithi_until,tithi_narrow,classicWarnings,stations"), std::string::npos);
    const auto columns = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    const std::size_t second = csv.out.find('\n') + 1;
    EXPECT_EQ(columns(csv.out.substr(second, csv.out.find('\n', second) - second)), columns(header));

    const Result stray = RunTool(With(Delhi1980, {"--time-uncertainty", "5"}));
    EXPECT_EQ(stray.status, 2);
}

TEST(MarginsTool, ASavedChartKeepsItsUncertaintyUnlessTheCommandLineGivesOne)
{
    const auto file = std::filesystem::temp_directory_path() / "zodiora-margins-test.sqlite";
    std::filesystem::remove(file);
    {
        zodiora::ChartLibrary library;
        ASSERT_TRUE(library.open(file));
        zodiora::SavedChart chart;
        chart.form.name = "ASHA";
        chart.form.monthIndex = 5;
        chart.form.day = 15;
        chart.form.year = 1980;
        chart.form.hour = 6;
        chart.form.minute = 30;
        chart.form.zoneRow = 34;
        chart.form.latDegrees = "28";
        chart.form.latMinutes = "37";
        chart.form.lonDegrees = "77";
        chart.form.lonMinutes = "13";
        chart.timeUncertaintyMinutes = 1440;
        ASSERT_TRUE(library.save(chart));
    }
    const std::vector<std::string> saved{"--chart", "ASHA", "--library-file", file.string(), "--json", "--with",
                                         "margins"};
    EXPECT_TRUE(nlohmann::json::parse(RunTool(saved).out)["margins"]["navamsaLagna"]["narrow"]);
    EXPECT_FALSE(nlohmann::json::parse(RunTool(With(saved, {"--time-uncertainty", "0"})).out)["margins"]
                     ["navamsaLagna"]["narrow"]);
    std::filesystem::remove(file);
}
