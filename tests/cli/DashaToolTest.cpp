// --dasha-levels and --dasha-at: the default table unchanged, deeper levels
// nested in "sub" as the antardashas are, the running periods after the
// existing keys, refusals with exit 2 naming the value, and the batch.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"

using namespace zodiora::cli::test;

namespace {

nlohmann::ordered_json JsonOf(std::initializer_list<std::string> more)
{
    const Result result = RunTool(With(Delhi1980, more));
    EXPECT_EQ(result.status, 0) << result.err;
    return nlohmann::ordered_json::parse(result.out);
}

int Depth(const nlohmann::ordered_json& periods)
{
    return periods.empty() ? 0 : 1 + (periods[0].contains("sub") ? Depth(periods[0]["sub"]) : 0);
}

}  // namespace

TEST(DashaTool, LevelTwoIsTodaysOutputAndOtherLevelsNestInSub)
{
    for (const char* format : {"json", "text"}) {
        const Result plain = RunTool(With(Delhi1980, {"--format", format, "--vedic"}));
        const Result two = RunTool(With(Delhi1980, {"--format", format, "--vedic", "--dasha-levels", "2"}));
        // The option names the settings in JSON; everything before them stays.
        EXPECT_EQ(two.out.substr(0, plain.out.size() - 2), plain.out.substr(0, plain.out.size() - 2)) << format;
    }
    const auto two = JsonOf({"--json"});
    for (const int levels : {1, 3, 5}) {
        const auto json = JsonOf({"--json", "--dasha-levels", std::to_string(levels)});
        const auto& periods = json["dasha"]["periods"];
        EXPECT_EQ(Depth(periods), levels);
        ASSERT_EQ(periods.size(), two["dasha"]["periods"].size());
        for (std::size_t m = 0; m < periods.size(); ++m) {
            EXPECT_EQ(periods[m]["start"], two["dasha"]["periods"][m]["start"]);
            EXPECT_EQ(periods[m]["end"], two["dasha"]["periods"][m]["end"]);
            if (levels > 1) {
                EXPECT_EQ(periods[m]["sub"].size(), two["dasha"]["periods"][m]["sub"].size());
            }
        }
    }
    // Three levels in text: pratyantars indented under their antardasha.
    const Result text = RunTool(With(Delhi1980, {"--vedic", "--dasha-levels", "3"}));
    EXPECT_NE(text.out.find("  Jupiter   1980-06-15 to 1986-10-27\n"
                            "      Venus     1980-06-15 to 1981-05-09\n"
                            "          Saturn    1980-06-15 to 1980-10-26\n"),
              std::string::npos);
}

TEST(DashaTool, DashaAtFollowsTheExistingKeysOnePeriodPerLevel)
{
    const auto json = JsonOf({"--json", "--with", "kp", "--dasha-at", "2030-01-01", "--dasha-levels", "5"});
    std::string last;
    for (const auto& [key, value] : json.items()) last = key;
    EXPECT_EQ(last, "dashaAt");
    const auto& at = json["dashaAt"];
    EXPECT_EQ(at["date"], "2030-01-01");
    ASSERT_EQ(at["periods"].size(), 5u);
    for (int level = 1; level <= 5; ++level) {
        const auto& period = at["periods"][level - 1];
        EXPECT_EQ(period["level"], level);
        EXPECT_LE(period["start"].get<std::string>(), "2030-01-01");
        EXPECT_GE(period["end"].get<std::string>(), "2030-01-01");
    }
    // The mahadasha running then is one of the table's.
    bool found = false;
    for (const auto& period : json["dasha"]["periods"]) {
        found = found || (period["lord"] == at["periods"][0]["lord"] && period["start"] == at["periods"][0]["start"]);
    }
    EXPECT_TRUE(found);
    // Before birth nothing runs.
    EXPECT_TRUE(JsonOf({"--json", "--dasha-at", "1950-01-01"})["dashaAt"]["periods"].empty());
    const Result text = RunTool(With(Delhi1980, {"--dasha-at", "2030-01-01", "--dasha-levels", "3"}));
    EXPECT_NE(text.out.find("\nDasha periods running on 2030-01-01 (at noon, birth clock)\n"
                            "  Mahadasha        Venus     2029-10-26 to 2049-10-26\n"
                            "  Antardasha       Venus     2029-10-26 to 2033-02-25\n"
                            "  Pratyantardasha  Venus     2029-10-26 to 2030-05-17\n"),
              std::string::npos)
        << text.out;
}

TEST(DashaTool, BadLevelsAndDatesExitTwoNamingTheValueAndTheChoices)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--dasha-levels", "0"}, "--dasha-levels: '0' is not a level; choose 1 (mahadasha), 2 (antardasha, the "
                                  "default), 3 (pratyantardasha), 4 (sookshma) or 5 (prana)"},
        {{"--dasha-levels", "6"}, "'6' is not a level"},
        {{"--dasha-levels", "two"}, "'two' is not a level"},
        {{"--dasha-at", "2031-02-29"}, "--dasha-at: '2031-02-29' is not a calendar date; give YYYY-MM-DD"},
        {{"--dasha-at", "2030-04-31"}, "'2030-04-31' is not a calendar date"},
        {{"--dasha-at", "1.1.2030"}, "'1.1.2030' is not a calendar date"},
        {{"--dasha-levels", "3", "--format", "csv"}, "have no CSV form"},
    };
    for (const auto& [arguments, message] : cases) {
        std::vector<std::string> all = Delhi1980;
        all.insert(all.end(), arguments.begin(), arguments.end());
        const Result result = RunTool(all);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1);
        EXPECT_EQ(result.out, "");
    }
}

TEST(DashaTool, BatchCarriesBothOptionsToEveryChart)
{
    const std::string births = "A,1980-06-15,06:30,34,28:37N,077:13E,0\nB,1999-12-31,23:59,34,28:37N,077:13E,0\n";
    const Result one = RunTool({"--batch", "-", "--json", "--dasha-levels", "3", "--dasha-at", "2030-01-01",
                                "--threads", "1"},
                               births);
    const Result two = RunTool({"--batch", "-", "--json", "--dasha-levels", "3", "--dasha-at", "2030-01-01",
                                "--threads", "2"},
                               births);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(two.out, one.out);
    std::istringstream lines(one.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const auto json = nlohmann::ordered_json::parse(line);
        EXPECT_EQ(Depth(json["dasha"]["periods"]), 3);
        EXPECT_EQ(json["dashaAt"]["periods"].size(), 3u);
        ++count;
    }
    EXPECT_EQ(count, 2);
}
