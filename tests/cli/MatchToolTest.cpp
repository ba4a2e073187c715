// --match BOY GIRL: the eight kootas and both Kuja findings of two saved
// charts, the same as the kernels give for the charts' own Moons, each
// chart with its saved settings; and every refusal with its status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "ToolRun.h"
#include "chartlibrary/ChartLibrary.h"
#include "matching/GunaMilan.h"

using namespace zodiora::cli::test;

namespace {

class MatchTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zodiora-match-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        // Two births on the zone rows, so nothing depends on the atlas.
        Add({"--name", "ravi", "--date", "1985-11-12", "--time", "07:30", "--zone", "34", "--lat", "28:39N", "--lon",
             "77:14E", "--city", "Delhi"});
        Add({"--name", "sita", "--date", "1988-03-04", "--time", "18:45", "--zone", "34", "--lat", "19:04N", "--lon",
             "72:53E", "--city", "Mumbai"});
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string library() const { return (folder_ / "charts.sqlite").string(); }

    void Add(std::vector<std::string> birth) const
    {
        birth.insert(birth.begin(), {"--library", "add"});
        const Result added = run(birth);
        ASSERT_EQ(added.status, 0) << added.err;
    }

    Result run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.end(), {"--library-file", library()});
        return RunTool(arguments);
    }

    // The Moon's longitude as --chart gives it.
    double Moon(const std::string& name) const
    {
        const Result chart = run({"--chart", name, "--json"});
        return nlohmann::json::parse(chart.out)["longitudes"]["Moon"].get<double>();
    }

    std::filesystem::path folder_;
};

}  // namespace

TEST_F(MatchTool, JsonHoldsTheKernelsScoresForTheChartsMoons)
{
    const Result result = run({"--match", "RAVI", "sita", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    const auto expected = zodiora::matching::KootaScores(zodiora::matching::MoonProfileOf(Moon("RAVI")),
                                                          zodiora::matching::MoonProfileOf(Moon("SITA")));

    EXPECT_EQ(json["boy"]["name"], "RAVI");
    EXPECT_EQ(json["girl"]["name"], "SITA");
    EXPECT_EQ(json["boy"]["birth"], nlohmann::json::parse(R"({"date":"1985-11-12","time":"07:30:00","place":"Delhi"})"));
    EXPECT_EQ(json["boy"]["moon"]["nakshatra"], "Swati");
    EXPECT_EQ(json["boy"]["moon"]["sign"], "Libra");
    EXPECT_EQ(json["girl"]["moon"]["nakshatra"], "Uttara Phalguni");
    EXPECT_EQ(json["girl"]["moon"]["sign"], "Virgo");

    const auto& match = json["match"];
    const std::vector<std::string> names{"Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
    ASSERT_EQ(match["kootas"].size(), 8u);
    double sum = 0;
    for (std::size_t k = 0; k < 8; ++k) {
        const auto& koota = match["kootas"][k];
        EXPECT_EQ(koota["name"], names[k]);
        EXPECT_EQ(koota["max"], k + 1);
        EXPECT_EQ(koota["points"].get<double>(), expected.scores[k].points) << names[k];
        EXPECT_FALSE(koota["reason"].get<std::string>().empty());
        sum += koota["points"].get<double>();
    }
    EXPECT_EQ(match["total"].get<double>(), sum);
    EXPECT_EQ(match["total"].get<double>(), expected.total());
    EXPECT_EQ(match["total"].get<double>(), 24.5);
    EXPECT_EQ(match["max"], 36);
    // Whole points are integers in the JSON, halves decimals.
    EXPECT_TRUE(match["kootas"][0]["points"].is_number_integer());
    EXPECT_TRUE(match["kootas"][2]["points"].is_number_float());
    // Bhakoot 2/12 with Venus and Mercury friends: one cancellation, with its book.
    ASSERT_EQ(match["cancellations"].size(), expected.cancellations.size());
    EXPECT_EQ(match["cancellations"][0]["koota"], "Bhakoot");
    EXPECT_FALSE(match["cancellations"][0]["source"].get<std::string>().empty());

    for (const char* who : {"boy", "girl"}) {
        const auto& manglik = json["manglik"][who];
        ASSERT_EQ(manglik["from"].size(), 3u);
        EXPECT_EQ(manglik["from"][0]["reference"], "Lagna");
        EXPECT_EQ(manglik["from"][1]["reference"], "Moon");
        EXPECT_EQ(manglik["from"][2]["reference"], "Venus");
        bool any = false;
        for (const auto& from : manglik["from"]) any = any || from["dosha"].get<bool>();
        EXPECT_EQ(manglik["manglik"], any);
    }
    EXPECT_EQ(json["manglik"]["bothManglik"],
              json["manglik"]["boy"]["manglik"].get<bool>() && json["manglik"]["girl"]["manglik"].get<bool>());
}

TEST_F(MatchTool, TextTableAndTheBoysSideFirst)
{
    const Result result = run({"--match", "RAVI", "SITA"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("  Varna            0 / 1  boy Shudra, girl Vaishya"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("  Total        24.5 / 36\n"), std::string::npos);
    EXPECT_NE(result.out.find("Cancellations (listed, not counted):\n  Bhakoot dosha"), std::string::npos);
    EXPECT_NE(result.out.find("Kuja (Manglik) dosha"), std::string::npos);
    // Swapped, the Varna goes the other way (Vaishya boy, Shudra girl).
    const Result swapped = run({"--match", "SITA", "RAVI"});
    EXPECT_NE(swapped.out.find("  Varna            1 / 1  boy Vaishya, girl Shudra"), std::string::npos);
}

TEST_F(MatchTool, EachChartKeepsItsSavedSettings)
{
    zodiora::ChartLibrary opened;
    ASSERT_TRUE(opened.open(library()));
    auto ravi = opened.findByName("RAVI");
    ASSERT_TRUE(ravi && *ravi);
    zodiora::SavedChart raman = **ravi;
    raman.id = 0;
    raman.form.name = "RAVI RAMAN";
    raman.settings = "ayanamsa=raman";
    ASSERT_TRUE(opened.save(raman));
    opened.close();

    const auto json = nlohmann::json::parse(run({"--match", "RAVI RAMAN", "SITA", "--json"}).out);
    EXPECT_NE(json["boy"]["calculation"].get<std::string>().find("Raman ayanamsa"), std::string::npos);
    EXPECT_NE(json["girl"]["calculation"].get<std::string>().find("Lahiri ayanamsa"), std::string::npos);
    // The command line's setting is laid over both.
    const auto over = nlohmann::json::parse(run({"--match", "RAVI RAMAN", "SITA", "--json", "--ayanamsa", "krishnamurti"}).out);
    EXPECT_NE(over["girl"]["calculation"].get<std::string>().find("Krishnamurti"), std::string::npos);
}

TEST_F(MatchTool, Refusals)
{
    Result result = run({"--match", "RAVI", "NOBODY"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("no chart named 'NOBODY'"), std::string::npos);
    result = run({"--match", "RAVI", "ravi"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("the same saved chart"), std::string::npos);
    EXPECT_EQ(run({"--match", "RAVI"}).status, 2);
    EXPECT_EQ(run({"--match", "RAVI", "SITA", "--format", "csv"}).status, 2);
    EXPECT_EQ(run({"--match", "RAVI", "SITA", "--vedic"}).status, 2);
    EXPECT_EQ(run({"--match", "RAVI", "SITA", "--chart", "RAVI"}).status, 2);
    EXPECT_EQ(run({"--match", "RAVI", "SITA", "--name", "X"}).status, 2);
    EXPECT_EQ(RunTool({"--match", "RAVI", "SITA", "--batch", "-"}).status, 2);
}

TEST_F(MatchTool, AnUnreadableLibraryExitsThreeAndIsLeftAlone)
{
    const std::string missing = (folder_ / "missing.sqlite").string();
    Result result = RunTool({"--match", "RAVI", "SITA", "--library-file", missing});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("does not exist"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));  // not created

    const std::string garbage = (folder_ / "garbage.sqlite").string();
    std::ofstream(garbage) << "not a database\n";
    result = RunTool({"--match", "RAVI", "SITA", "--library-file", garbage});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("not a chart library"), std::string::npos);
    // Not set aside: the folder holds the library and the garbage only.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 2);

    result = RunTool({"--match", "RAVI", "SITA", "--library-file", folder_.string()});
    EXPECT_EQ(result.status, 3);
}
