#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "ToolRun.h"

using namespace zodiora::cli::test;

namespace {

class LibraryTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zodiora-library-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string file(const std::string& name) const { return (folder_ / name).string(); }

    Result run(std::vector<std::string> arguments, const std::string& library = "charts.sqlite") const
    {
        arguments.insert(arguments.end(), {"--library-file", file(library)});
        return RunTool(arguments);
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder_;
};

}  // namespace

TEST_F(LibraryTool, AddListShowAndChartASavedOne)
{
    std::vector<std::string> add{"--library", "add"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    ASSERT_EQ(run(add).status, 0);
    const Result kolkata = run({"--library", "add", "--name", "war time", "--date", "1942-10-01", "--time", "12:00",
                                "--zone", "Asia/Kolkata", "--lat", "22:34N", "--lon", "88:22E", "--note", "a note"});
    ASSERT_EQ(kolkata.status, 0) << kolkata.err;

    const Result list = run({"--library", "list", "--json"});
    ASSERT_EQ(list.status, 0) << list.err;
    const auto newest = nlohmann::json::parse(list.out.substr(0, list.out.find('\n')));
    EXPECT_EQ(newest["name"], "WAR TIME");
    EXPECT_EQ(newest["date"], "1942-10-01 12:00");
    EXPECT_NE(run({"--library", "show", "WAR TIME"}).out.find("Note          : a note\n"), std::string::npos);

    // A saved chart charts as its birth options do, the exact offset and zone id kept.
    EXPECT_EQ(run({"--chart", "ASHA"}).out, RunTool(Delhi1980).out);
    const Result saved = run({"--chart", "war time", "--json"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const auto json = nlohmann::json::parse(saved.out);
    EXPECT_EQ(json["timeZone"], nlohmann::json::parse(
                                    R"({"id":"Asia/Kolkata","abbreviation":"+0630","offsetSeconds":23400,"source":"tz"})"));
    EXPECT_EQ(json["utc"], "1942-10-01T05:30:00Z");

    EXPECT_EQ(run({"--chart", "nobody"}).status, 2);
    EXPECT_EQ(run({"--library", "list", "--name", "A"}).status, 2);
    EXPECT_EQ(run({"--library", "show"}).status, 2);
    EXPECT_EQ(RunTool(With(Delhi1980, {"--note", "x"})).status, 2);
}

TEST_F(LibraryTool, ExportImportRoundTripKeepsGoodLines)
{
    run(With({"--library", "add", "--city", "Delhi, \"old\""},
             {"--name", "asha", "--date", "1980-06-15", "--time", "06:30:15", "--zone", "34", "--lat", "28:37N",
              "--lon", "77:13E", "--dst"}));
    run({"--library", "add", "--name", "B", "--date", "2007-03-22", "--time", "10:00", "--zone",
         "America/Los_Angeles", "--lat", "37:52N", "--lon", "122:16W"});
    // Clocks went back at 02:00: 01:30 came twice, and the second one is kept.
    run({"--library", "add", "--name", "TWICE", "--date", "2007-11-04", "--time", "01:30", "--zone",
         "America/New_York", "--fold", "later", "--lat", "40:43N", "--lon", "74:00W"});
    ASSERT_EQ(run({"--library", "export", file("a.csv")}).status, 0);
    const std::string exported = Read(file("a.csv"));
    EXPECT_EQ(exported, "name,date,time,zone,lat,lon,dst,city,state,country,fold\n"
                        "ASHA,1980-06-15,06:30:15,34,28:37N,77:13E,1,\"Delhi, \"\"old\"\"\",,,\n"
                        "B,2007-03-22,10:00,America/Los_Angeles,37:52N,122:16W,0,,,,\n"
                        "TWICE,2007-11-04,01:30,America/New_York,40:43N,74:00W,0,,,,later\n");

    std::ofstream(file("a.csv"), std::ios::app) << "C,1980-13-01,06:30,34,28:37N,77:13E,0\nbad line\n";
    const Result imported = run({"--library", "import", file("a.csv")}, "other.sqlite");
    EXPECT_EQ(imported.status, 1);
    EXPECT_NE(imported.err.find("zodiora-chart: line 5: --date"), std::string::npos) << imported.err;
    EXPECT_NE(imported.err.find("zodiora-chart: line 6: expected 7"), std::string::npos) << imported.err;
    ASSERT_EQ(run({"--library", "export", file("b.csv")}, "other.sqlite").status, 0);
    EXPECT_EQ(Read(file("b.csv")), exported);
    const auto twice = nlohmann::json::parse(run({"--chart", "TWICE", "--json"}, "other.sqlite").out);
    EXPECT_EQ(twice["utc"], "2007-11-04T06:30:00Z");
    EXPECT_EQ(twice["timeZone"]["abbreviation"], "EST");
}

TEST_F(LibraryTool, AddStillSetsADamagedLibraryAsideAndSaysSo)
{
    std::ofstream(file("charts.sqlite")) << "not a database at all, just some text long enough to be read";
    std::vector<std::string> add{"--library", "add"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    const Result added = run(add);
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_NE(added.err.find("The chart library " + file("charts.sqlite")), std::string::npos) << added.err;
    EXPECT_NE(added.err.find("It was kept as "), std::string::npos) << added.err;
}

TEST_F(LibraryTool, ReadCommandsLeaveAnUnusableLibraryWhereItIs)
{
    std::vector<std::string> add{"--library", "add"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    ASSERT_EQ(run(add, "good.sqlite").status, 0);
    std::string damaged = Read(file("good.sqlite"));
    for (std::size_t k = 100; k < 3100 && k < damaged.size(); ++k) damaged[k] = '\xff';
    std::ofstream(file("backup.csv")) << "a good backup\n";
    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    };
    for (const Case& c : {Case{"damaged", damaged, " is damaged ("},
                          Case{"a CSV given by mistake", "name,date\nASHA,1980-06-15\n", " is not a chart library"}}) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"--library", "list"}, std::vector<std::string>{"--library", "show", "ASHA"},
              std::vector<std::string>{"--library", "export", file("backup.csv")},
              std::vector<std::string>{"--chart", "ASHA"}}) {
            SCOPED_TRACE(std::string(c.what) + ": " + command[0] + " " + command[1]);
            std::ofstream(file("charts.sqlite"), std::ios::binary | std::ios::trunc) << c.bytes;
            const Result result = run(command);
            EXPECT_EQ(result.status, 3);
            EXPECT_NE(result.err.find(file("charts.sqlite") + c.reason), std::string::npos)
                << result.err;
            EXPECT_EQ(Read(file("charts.sqlite")), c.bytes);
            EXPECT_EQ(Read(file("backup.csv")), "a good backup\n");
            for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
                EXPECT_EQ(entry.path().filename().string().find(".corrupt-"), std::string::npos) << entry.path();
            }
        }
    }
}

TEST_F(LibraryTool, AReadOfAMistypedPathCreatesNothing)
{
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"--library", "list"}, std::vector<std::string>{"--chart", "ASHA"},
          std::vector<std::string>{"--library", "export", file("out.csv")}}) {
        SCOPED_TRACE(command[0]);
        const Result result = run(command, "typo/dir/charts.sqlite");
        EXPECT_EQ(result.status, 3);
        EXPECT_NE(result.err.find("does not exist"), std::string::npos) << result.err;
        EXPECT_TRUE(std::filesystem::is_empty(folder_));
    }
}

TEST_F(LibraryTool, StatusLinesGoToStandardError)
{
    std::vector<std::string> add{"--library", "add"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    const Result added = run(add);
    EXPECT_EQ(added.out, "");
    EXPECT_EQ(added.err, "saved chart 1: ASHA\n");
    const Result exported = run({"--library", "export", file("a.csv")});
    EXPECT_EQ(exported.out, "");
    EXPECT_EQ(exported.err, "exported 1 charts to " + file("a.csv") + "\n");
    const Result imported = run({"--library", "import", file("a.csv")}, "other.sqlite");
    EXPECT_EQ(imported.out, "");
    EXPECT_EQ(imported.err, "imported 1 charts from " + file("a.csv") + "\n");
}

TEST_F(LibraryTool, ExportReplacesItsTargetInsteadOfWritingIntoIt)
{
    // A second name for the old backup sees whether the file was written in
    // place (a full disk would then leave a part of it) or replaced whole.
    std::vector<std::string> add{"--library", "add"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    ASSERT_EQ(run(add).status, 0);
    std::ofstream(file("backup.csv")) << "the old backup\n";
    std::filesystem::create_hard_link(file("backup.csv"), file("old.csv"));
    ASSERT_EQ(run({"--library", "export", file("backup.csv")}).status, 0);
    EXPECT_EQ(Read(file("old.csv")), "the old backup\n");
    EXPECT_EQ(Read(file("backup.csv")).substr(0, 5), "name,");
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << "a temporary file left: " << entry.path();
    }
    // Through a link, the file it names is replaced and the link stays.
    std::filesystem::create_symlink("old.csv", file("link.csv"));
    ASSERT_EQ(run({"--library", "export", file("link.csv")}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(file("link.csv")));
    EXPECT_EQ(Read(file("old.csv")), Read(file("backup.csv")));
}

TEST_F(LibraryTool, SettingsGivenToAddTravelThroughExportAndImport)
{
    std::vector<std::string> add{"--library", "add", "--ayanamsa", "raman", "--node", "true", "--dasha-year", "savana"};
    add.insert(add.end(), Delhi1980.begin(), Delhi1980.end());
    ASSERT_EQ(run(add).status, 0);
    ASSERT_EQ(run({"--library", "add", "--name", "plain", "--date", "1990-01-01", "--time", "12:00", "--zone", "29",
                   "--lat", "51:30N", "--lon", "000:07W"})
                  .status,
              0);
    // Only --library add takes settings.
    const Result refused = run({"--library", "list", "--ayanamsa", "raman"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("go with --library add"), std::string::npos) << refused.err;

    ASSERT_EQ(run({"--library", "export", file("out.csv")}).status, 0);
    const std::string exported = Read(file("out.csv"));
    EXPECT_EQ(exported.substr(0, exported.find('\n')), "name,date,time,zone,lat,lon,dst,city,state,country,fold,settings");
    EXPECT_NE(exported.find("ayanamsa=raman node=true dasha-year=savana"), std::string::npos) << exported;
    EXPECT_NE(exported.find("PLAIN,1990-01-01,12:00,29,51:30N,000:07W,0,,,,,\n"), std::string::npos) << exported;

    ASSERT_EQ(run({"--library", "import", file("out.csv")}, "copy.sqlite").status, 0);
    const Result chart = run({"--chart", "ASHA", "--json"}, "copy.sqlite");
    ASSERT_EQ(chart.status, 0) << chart.err;
    const auto json = nlohmann::json::parse(chart.out);
    EXPECT_EQ(json["ayanamsa"]["name"], "raman");
    EXPECT_EQ(json["node"], "true");
    EXPECT_EQ(json["dashaYear"], "savana");
    const auto plain = nlohmann::json::parse(run({"--chart", "PLAIN", "--json"}, "copy.sqlite").out);
    EXPECT_FALSE(plain.contains("ayanamsa"));
}

// Seconds of arc, the place's own mean time and the time uncertainty survive
// add, export, import and reopening; the clock line names the mean time again.
TEST_F(LibraryTool, SecondsMeanTimeAndUncertaintyTravelThroughExportAndImport)
{
    const std::vector<std::string> birth{"--name", "mohan", "--date", "1980-06-15", "--time", "06:30", "--zone", "lmt",
                                         "--lat", "21:38:24N", "--lon", "69:36:07.5E", "--city", "Porbandar"};
    std::vector<std::string> add{"--library", "add", "--time-uncertainty", "12"};
    add.insert(add.end(), birth.begin(), birth.end());
    ASSERT_EQ(run(add).status, 0);
    ASSERT_EQ(run({"--library", "export", file("out.csv")}).status, 0);
    const std::string exported = Read(file("out.csv"));
    EXPECT_EQ(exported, "name,date,time,zone,lat,lon,dst,city,state,country,fold,settings,time_uncertainty_minutes\n"
                        "MOHAN,1980-06-15,06:30,lmt,21:38:24N,69:36:07.5E,0,Porbandar,,,,,12\n");

    ASSERT_EQ(run({"--library", "import", file("out.csv")}, "copy.sqlite").status, 0);
    ASSERT_EQ(run({"--library", "export", file("again.csv")}, "copy.sqlite").status, 0);
    EXPECT_EQ(Read(file("again.csv")), exported);

    std::vector<std::string> direct = birth;
    direct.push_back("--json");
    const Result made = RunTool(direct);
    const Result reopened = run({"--chart", "MOHAN", "--json"}, "copy.sqlite");
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_EQ(reopened.out, made.out);
    const auto json = nlohmann::json::parse(reopened.out);
    EXPECT_EQ(json["timeZone"]["source"], "lmt");
    EXPECT_EQ(json["details"]["longitude"], "69\u00B0 36' 7.5\" E");
    const Result text = run({"--chart", "MOHAN", "--vedic"}, "copy.sqlite");
    EXPECT_NE(text.out.find("clock: Local mean time of Porbandar, +04:38:25\n"), std::string::npos) << text.out;
}

TEST_F(LibraryTool, ANameTypedWithACombiningAccentIsTheComposedName)
{
    const std::string decomposed = "jose\xcc\x81";  // e + U+0301
    const std::vector<std::string> birth{"--date", "1980-06-15", "--time", "06:30", "--zone", "34",
                                         "--lat",  "28:37N",     "--lon",  "77:13E"};
    std::vector<std::string> add{"--library", "add", "--name", decomposed};
    add.insert(add.end(), birth.begin(), birth.end());
    ASSERT_EQ(run(add).status, 0);
    // Stored composed, found by either spelling, listed once.
    const Result list = run({"--library", "list"});
    EXPECT_NE(list.out.find("JOS\xc3\x89"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("\xcc\x81"), std::string::npos);
    EXPECT_EQ(run({"--chart", "JOSÉ"}).status, 0);
    EXPECT_EQ(run({"--chart", "josé"}).status, 0);
    EXPECT_EQ(run({"--chart", decomposed}).status, 0);

    // A chart given on the command line and an imported line are composed too.
    std::vector<std::string> chart{"--name", decomposed};
    chart.insert(chart.end(), birth.begin(), birth.end());
    EXPECT_NE(RunTool(chart).out.find("Chart of JOS\xc3\x89\n"), std::string::npos);
    std::ofstream(file("in.csv")) << "zoe\xcc\x88,1980-06-15,06:30,34,28:37N,77:13E,0\n";
    ASSERT_EQ(run({"--library", "import", file("in.csv")}).status, 0);
    EXPECT_EQ(run({"--chart", "ZOË"}).status, 0);
}
