// --transit MOMENT: the transits over the chart in JSON and text, in
// --batch too; an unreadable moment, or one the ephemeris does not reach,
// exits 2 with one line naming it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"
#include "cli/MomentText.h"

using namespace zodiora::cli;
using namespace zodiora::cli::test;

TEST(TransitTool, MomentsReadAsIsoWithZoneOrAsADateAtNoon)
{
    const auto noon = ParseIsoMoment("2031-05-17");
    ASSERT_TRUE(noon);
    EXPECT_EQ(UtcIsoTime(*noon), "2031-05-17T12:00:00Z");
    EXPECT_EQ(UtcIsoTime(*ParseIsoMoment("2031-05-17T12:00+05:30")), "2031-05-17T06:30:00Z");
    EXPECT_EQ(UtcIsoTime(*ParseIsoMoment("2031-05-17T01:15:30-0400")), "2031-05-17T05:15:30Z");
    EXPECT_EQ(LocalIsoTime(*ParseIsoMoment("2031-05-17T06:30:00Z"), 19800), "2031-05-17T12:00:00+05:30");
    // A mean time's offset to the second: written to the minute, the clock
    // with it, so that the text reads back as the same moment.
    const std::string porbandar = LocalIsoTime(*ParseIsoMoment("1869-10-02T04:15:43Z"), 16706);
    EXPECT_EQ(porbandar, "1869-10-02T08:53:43+04:38");
    EXPECT_EQ(UtcIsoTime(*ParseIsoMoment(porbandar)), "1869-10-02T04:15:43Z");
    EXPECT_EQ(LocalIsoTime(*ParseIsoMoment("1869-10-02T04:15:43Z"), -16706), "1869-10-01T23:37:43-04:38");
    for (const char* bad : {"2031-05-17T06:30", "2031-02-30", "2031-05-17T24:00Z", "17/05/2031", "2031-05-17T06:30Zx",
                            "2031-05-17T06:30+5:30", ""}) {
        EXPECT_FALSE(ParseIsoMoment(bad)) << bad;
    }
}

TEST(TransitTool, JsonGivesTheTransitsAfterTheExistingKeys)
{
    const Result result = RunTool(With(Delhi1980, {"--json", "--transit", "2031-05-17T06:30:00Z"}));
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(json.items().begin().key(), "positions");
    const auto& transits = json["transits"];
    std::vector<std::string> keys;
    for (const auto& [key, value] : transits.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"moment", "longitudes", "signs", "retrograde", "houseFromLagna",
                                              "houseFromMoon", "sadeSati", "nakshatras", "dasha"}));
    EXPECT_EQ(transits["moment"], "2031-05-17T06:30:00Z");
    EXPECT_EQ(transits["signs"]["Saturn"], 2);
    // The natal Moon is in Gemini: Saturn in Taurus is the 12th, the rising phase.
    EXPECT_EQ(transits["houseFromMoon"]["Saturn"], 12);
    EXPECT_EQ(transits["sadeSati"]["active"], true);
    EXPECT_EQ(transits["sadeSati"]["phase"], "rising");
    EXPECT_EQ(transits["dasha"]["maha"]["lord"], "Venus");
}

TEST(TransitTool, BadMomentsExitTwoNamingTheValue)
{
    const Result unreadable = RunTool(With(Delhi1980, {"--transit", "2031-05-17T06:30"}));
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(unreadable.err.rfind("zodiora-chart: --transit '2031-05-17T06:30' is not a moment", 0), 0u);
    EXPECT_TRUE(unreadable.out.empty());

    const Result classic = RunTool(With(Delhi1980, {"--transit", "2080-01-01"}));
    EXPECT_EQ(classic.status, 2);
    EXPECT_EQ(classic.err, "zodiora-chart: --transit 2080-01-01: the classic ephemeris covers 1901 to 2050; choose "
                           "--ephemeris precise (the Swiss Ephemeris, 3000 BC to AD 3000) for this moment\n");
    const Result precise = RunTool(With(Delhi1980, {"--transit", "2080-01-01", "--ephemeris", "precise", "--json"}));
    EXPECT_EQ(precise.status, 0) << precise.err;

    const Result batch = RunTool({"--batch", "-", "--transit", "2080-01-01"}, "a,1980-06-15,06:30,34,28:37N,077:13E,0\n");
    EXPECT_EQ(batch.status, 2);

    const Result csv = RunTool(With(Delhi1980, {"--format", "csv", "--transit", "2031-05-17"}));
    EXPECT_EQ(csv.status, 2);
    EXPECT_EQ(csv.err, "zodiora-chart: --transit has no CSV form (use --format json or text)\n");
}

TEST(TransitTool, BatchAndTextCarryTheTransits)
{
    const Result batch = RunTool({"--batch", "-", "--format", "json", "--transit", "2031-05-17"},
                                 "a,1980-06-15,06:30,34,28:37N,077:13E,0\n");
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(batch.out)["transits"]["moment"], "2031-05-17T12:00:00Z");
    const Result text = RunTool(With(Delhi1980, {"--transit", "2031-05-17"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Transits at 2031-05-17T12:00:00Z"), std::string::npos);
    EXPECT_NE(text.out.find("Sade Sati (Saturn in the 12th, 1st and 2nd signs from the natal Moon)"),
              std::string::npos);
}
