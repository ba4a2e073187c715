#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ChartTool.h"
#include "ToolRun.h"
#include "engine/SignNames.h"

using namespace zodiora;
using namespace zodiora::cli;
using zodiora::cli::test::JsonLines;

namespace {

using test::Result;

Result RunChart(std::vector<std::string> arguments, const std::string& input = "")
{
    return test::RunTool(std::move(arguments), input);
}

// Valid births over the whole range, one CSV record each.
std::string RandomBatch(int count, unsigned seed)
{
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    std::ostringstream text;
    char line[160];
    for (int k = 0; k < count; ++k) {
        std::snprintf(line, sizeof line, "Person %c,%04d-%02d-%02d,%02d:%02d:%02d,%d,%02d:%02d%c,%03d:%02d%c,%d\n",
                      'A' + k % 26, pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59),
                      pick(0, 59), pick(0, 70), pick(0, 89), pick(0, 59), "NS"[random() % 2], pick(0, 179),
                      pick(0, 59), "EW"[random() % 2], pick(0, 1));
        text << line;
    }
    return text.str();
}

}  // namespace

// The numbers must say what the texts say: a longitude cut to whole minutes
// gives the position text, and the house counts signs from house 1's sign.
TEST(DataTool, NumbersAgreeWithTheTexts)
{
    const Result result = RunChart({"--batch", "-", "--json"}, RandomBatch(400, 1));
    ASSERT_EQ(result.status, ExitOk) << result.err;
    const auto charts = JsonLines(result.out);
    ASSERT_EQ(charts.size(), 400u);
    const std::vector<std::string> names{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
                                         "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};
    for (const auto& chart : charts) {
        const int firstSign = chart["signs"]["Asc"].get<int>() - 1;
        for (std::size_t k = 0; k < names.size(); ++k) {
            const double longitude = chart["longitudes"][names[k]].get<double>();
            const int sign = static_cast<int>(longitude / 30);
            const double inSign = longitude - 30.0 * sign;
            char text[16];
            std::snprintf(text, sizeof text, "%02d %.3s %02d", static_cast<int>(inSign),
                          std::string(SignNames[static_cast<std::size_t>(sign)]).c_str(),
                          static_cast<int>((inSign - std::floor(inSign)) * 60));
            ASSERT_EQ(chart["positions"][k], text) << names[k] << " " << longitude;
            ASSERT_EQ(chart["signs"][names[k]], sign + 1);
            const int house = chart["house"][names[k]].get<int>();
            ASSERT_EQ((firstSign + house - 1) % 12, sign) << names[k];
            if (k < 7) {
                const std::string shown = chart["houses"][house - 1].get<std::string>();
                ASSERT_NE(shown.find(chart["planetNames"][k].get<std::string>()), std::string::npos) << shown;
                ASSERT_EQ(chart["retrograde"][names[k]].get<bool>(),
                          chart["planetNames"][k].get<std::string>().find("(R)") != std::string::npos);
            }
        }
        ASSERT_EQ(chart["utc"].get<std::string>().substr(0, 16),
                  chart["universalDateTime"].get<std::string>().replace(10, 1, "T"));
    }
}

// Each worker has its own session, and chunks are sized by the output
// (a few records first, more once their size is known); none of it changes
// a byte, not even the blank lines between text charts around a bad line.
TEST(DataTool, ThreadCountChangesNoByte)
{
    const std::string batch = "name,date,time,zone,lat,lon,dst\n" + RandomBatch(300, 2) + "bad line\n" +
                              RandomBatch(300, 3);
    for (const std::vector<std::string>& format : std::vector<std::vector<std::string>>{
             {"--json"}, {"--format", "csv"}, {"--format", "text"}, {"--report"}, {"--json", "--report"}}) {
        std::vector<std::string> one{"--batch", "-", "--threads", "1"};
        one.insert(one.end(), format.begin(), format.end());
        const Result sequential = RunChart(one, batch);
        EXPECT_EQ(sequential.status, ExitSomeBatchLinesFailed);
        // Every core (the default), and more workers than cores.
        for (const std::vector<std::string>& threads : {std::vector<std::string>{}, std::vector<std::string>{"--threads", "5"}}) {
            std::vector<std::string> pooledArguments{"--batch", "-"};
            pooledArguments.insert(pooledArguments.end(), threads.begin(), threads.end());
            pooledArguments.insert(pooledArguments.end(), format.begin(), format.end());
            const Result pooled = RunChart(pooledArguments, batch);
            EXPECT_EQ(pooled.status, sequential.status);
            EXPECT_EQ(pooled.out, sequential.out) << format[0];
            EXPECT_EQ(pooled.err, sequential.err);
        }
        EXPECT_EQ(sequential.err, "zodiora-chart: line 302: expected 7 comma-separated fields "
                                  "(name,YYYY-MM-DD,HH:MM,zone,DD:MM{N|S},DDD:MM{E|W},dst), found 1\n");
    }
}

TEST(DataTool, StandardInputWithQuotesPlacesAndSeconds)
{
    const std::string input = "\xEF\xBB\xBFname,date,time,zone,lat,lon,dst,city,state,country\r\n"
                              "# Delhi, to the second\r\n"
                              "\"Rao, Asha\",1980-06-15,06:30:15,34,28.6139N,77.209E,0,\"New Delhi\",Delhi,India\r\n"
                              "\r\n"
                              "asha,1980-06-15,06:30,34,28:37N,77:13E,0\r\n";
    const Result result = RunChart({"--batch", "-", "--format", "csv"}, input);
    // The comma in the name is data now, and the name filter refuses it as the form does.
    EXPECT_EQ(result.status, ExitSomeBatchLinesFailed);
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string row; std::getline(lines, row);) rows.push_back(row);
    ASSERT_EQ(rows.size(), 3u) << result.out;
    EXPECT_EQ(rows[0].substr(0, 38), "line,name,utc,lagna,sunSign,moonSign,S");
    EXPECT_EQ(rows[1].substr(0, 2), "3,");
    EXPECT_NE(rows[1].find("Please Enter only Letters"), std::string::npos);
    EXPECT_EQ(rows[2].substr(0, 33), "5,ASHA,1980-06-15T01:00:00Z,Gemin");

    const Result named = RunChart({"--batch", "-", "--json"},
                             "Asha Rao,1980-06-15,06:30:15,34,28.6139N,77.209E,0,\"New Delhi, NCT\",Delhi,India\n");
    ASSERT_EQ(named.status, ExitOk) << named.err;
    const auto chart = nlohmann::json::parse(named.out);
    EXPECT_EQ(chart["utc"], "1980-06-15T01:00:15Z");
    EXPECT_EQ(chart["details"]["city"], "New Delhi, NCT");
    EXPECT_EQ(chart["details"]["latitude"], "28\u00B0 36' 50.04\" N");  // 28.6139 exactly
    EXPECT_EQ(chart["details"]["longitude"], "77\u00B0 12' 32.4\" E");  // 77.209 exactly
}

TEST(DataTool, ConflictingOptionsAreRefused)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--stations", "Mars", "--batch", "x.csv"},
             {"--stations", "Mars", "--name", "A"},
             {"--batch", "x.csv", "--name", "A"},
             {"--json", "--format", "csv", "--batch", "x.csv"},
             {"--threads", "2"},
             {"--list-zones", "--json"},
             {"--version", "--batch", "x.csv"},
             {"--format", "xml", "--batch", "x.csv"}}) {
        const Result result = RunChart(arguments);
        EXPECT_EQ(result.status, ExitBadInput) << arguments[0] << " " << arguments[2];
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(DataTool, ListsVersionZonesStationsAndHelp)
{
    const Result zones = RunChart({"--list-zones"});
    EXPECT_EQ(std::count(zones.out.begin(), zones.out.end(), '\n'), 71);
    EXPECT_NE(zones.out.find("\n34  UTC+05:30  Indian Time"), std::string::npos) << zones.out;
    EXPECT_NE(zones.out.find("\n 5  UTC+10:30  Australian Central Daylight"), std::string::npos);

    EXPECT_EQ(RunChart({"--version"}).out.rfind("zodiora-chart ", 0), 0u);

    const auto periods = JsonLines(RunChart({"--stations", "mercury", "--format", "json"}).out);
    ASSERT_EQ(periods.size(), 476u);
    EXPECT_EQ(periods.front()["retrograde"], "1900-03-15T13:19:00Z");
    EXPECT_EQ(periods.front()["direct"], "1900-04-07T18:42:00Z");
    EXPECT_EQ(RunChart({"--stations", "Mercury", "--format", "csv"}).out.substr(0, 60),
              "retrograde,direct\n1900-03-15T13:19:00Z,1900-04-07T18:42:00Z\n");

    const std::string help = RunChart({"--help"}).out;
    for (const char* word : {"Exit status:", "--batch -", "--stations Mercury", "--list-zones", "--threads"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

TEST(DataTool, TheReadmesSampleChartIsWhatTheToolPrints)
{
    // The README shows the chart's first lines, then "   ..."; they must stay the program's own.
    std::ifstream file(ZODIORA_README, std::ios::binary);
    const std::string readme{std::istreambuf_iterator<char>(file), {}};
    const std::size_t start = readme.find("Chart of SAMPLE CHART\n");
    const std::size_t end = readme.find("   ...\n", start);
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const test::Result result = test::RunTool({"--name", "sample chart", "--date", "1980-06-15", "--time", "06:30", "--zone", "34",
                                   "--lat", "28:37N", "--lon", "77:13E", "--city", "New Delhi", "--state", "Delhi",
                                   "--country", "India"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, end - start), readme.substr(start, end - start));
}
