#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"
#include "birthdata/UniversalTime.h"
#include "cli/ChartRequest.h"
#include "engine/SignNames.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

using namespace zodiora::cli::test;

TEST(VedicTool, JsonCarriesNodesNakshatrasNavamsaAndDasha)
{
    const Result result = RunTool(With(Delhi1980, {"--json"}));
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(json["ephemeris"], "classic");
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["longitudes"].items()) keys.push_back(key);
    ASSERT_EQ(keys.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()), (std::vector<std::string>{"Asc", "Rahu", "Ketu"}));
    EXPECT_EQ(json["signs"].size(), 13u);
    EXPECT_EQ(json["house"].size(), 13u);
    const double rahu = json["longitudes"]["Rahu"];
    EXPECT_NEAR(std::fmod(rahu + 180.0, 360.0), json["longitudes"]["Ketu"].get<double>(), 1e-9);

    // The hand-worked 1980 chart: Moon 28 Gem 01 in Punarvasu, pada 3, Jupiter; Navamsa Gemini.
    EXPECT_EQ(json["nakshatras"][1], nlohmann::ordered_json::parse(
                                         R"({"body":"Moon","name":"Punarvasu","pada":3,"lord":"Jupiter"})"));
    EXPECT_EQ(json["nakshatras"].size(), 13u);
    EXPECT_EQ(json["navamsa"]["Moon"], "Gemini");
    EXPECT_EQ(json["dasha"]["balance"]["lord"], "Jupiter");
    const auto& periods = json["dasha"]["periods"];
    ASSERT_GE(periods.size(), 9u);
    EXPECT_EQ(periods[0]["start"], "1980-06-15");
    for (std::size_t k = 0; k + 1 < periods.size(); ++k) {
        EXPECT_EQ(periods[k]["end"], periods[k + 1]["start"]) << k;
        EXPECT_EQ(periods[k]["sub"].front()["start"], periods[k]["start"]) << k;
        EXPECT_EQ(periods[k]["sub"].back()["end"], periods[k]["end"]) << k;
    }
    EXPECT_EQ(json["timeZone"], nlohmann::ordered_json::parse(
                                    R"({"id":null,"abbreviation":"IST","offsetSeconds":19800,"source":"row"})"));
    EXPECT_FALSE(json.contains("place"));
}

TEST(VedicTool, TextSectionsOnlyWithVedic)
{
    const Result plain = RunTool(Delhi1980);
    const Result vedic = RunTool(With(Delhi1980, {"--vedic"}));
    ASSERT_EQ(vedic.status, 0) << vedic.err;
    EXPECT_EQ(plain.out.find("Nakshatras"), std::string::npos);
    ASSERT_EQ(vedic.out.substr(0, plain.out.size()), plain.out);
    const std::string added = vedic.out.substr(plain.out.size());
    for (const char* line : {"\nNakshatras (position, nakshatra, pada, lord)\n",
                             "\n  Moon        28 Gem 01  Punarvasu          3  Jupiter\n", "\n  Rahu        ",
                             "\nNavamsa (D9)\n", "\n  Moon        Gemini\n",
                             "\nVimshottari Dasha (balance at birth: Jupiter ", "\n  Jupiter   1980-06-15 to "}) {
        EXPECT_NE(added.find(line), std::string::npos) << line;
    }
}

TEST(VedicTool, CsvHasNodeColumnsAndPreciseIsChosen)
{
    const Result csv = RunTool(With(Delhi1980, {"--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string header = csv.out.substr(0, csv.out.find('\n'));
    EXPECT_NE(header.find(",AscPosition,Rahu,RahuSign,RahuHouse,RahuPosition,Ketu,KetuSign,KetuHouse,KetuPosition,error"),
              std::string::npos)
        << header;
    const std::string row = csv.out.substr(header.size() + 1);
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), std::count(header.begin(), header.end(), ','));
    EXPECT_NE(row.find(",29 Can 31,"), std::string::npos) << row;

    const Result precise = RunTool(With(Delhi1980, {"--ephemeris", "precise", "--json"}));
    ASSERT_EQ(precise.status, 0) << precise.err;
    EXPECT_EQ(nlohmann::json::parse(precise.out)["ephemeris"], "precise");
    EXPECT_EQ(RunTool(With(Delhi1980, {"--ephemeris", "exact"})).status, 2);
}

// The JSON writes the dasha straight from the vedic routines; it must say
// what the windows' BuildVedicDetails says, date for date.
TEST(VedicTool, JsonAgreesWithTheVedicDetails)
{
    zodiora::ChartSession session;
    for (const auto& arguments : {Delhi1980, std::vector<std::string>{"--name", "B", "--date", "2049-12-31", "--time",
                                                                      "23:59:59", "--zone", "Pacific/Kiritimati",
                                                                      "--lat", "01:52N", "--lon", "157:24W"}}) {
        const Result result = RunTool(With(arguments, {"--json"}));
        ASSERT_EQ(result.status, 0) << result.err;
        const auto json = nlohmann::json::parse(result.out);
        zodiora::cli::ChartArguments parsed;
        parsed.name = json["details"]["name"];
        parsed.date = arguments[3];
        parsed.time = arguments[5];
        parsed.zone = arguments[7];
        parsed.latitude = arguments[9];
        parsed.longitude = arguments[11];
        const auto request = std::get<zodiora::cli::ChartRequest>(zodiora::cli::ParseChartRequest(parsed));
        const zodiora::ChartResult chart = session.run(request.form);
        const zodiora::VedicDetails details = zodiora::BuildVedicDetails(chart.chart, zodiora::UtcOffsetSeconds(chart.birth));
        const auto& periods = json["dasha"]["periods"];
        ASSERT_EQ(periods.size(), details.dasha.size());
        for (std::size_t k = 0; k < periods.size(); ++k) {
            EXPECT_EQ(periods[k]["start"], std::string(details.dasha[k].span.start.view()));
            EXPECT_EQ(periods[k]["end"], std::string(details.dasha[k].span.end.view()));
            ASSERT_EQ(periods[k]["sub"].size(), details.dasha[k].sub.size());
            for (std::size_t s = 0; s < details.dasha[k].sub.size(); ++s) {
                EXPECT_EQ(periods[k]["sub"][s]["lord"], details.dasha[k].sub[s].lord);
                EXPECT_EQ(periods[k]["sub"][s]["start"], std::string(details.dasha[k].sub[s].start.view()));
                EXPECT_EQ(periods[k]["sub"][s]["end"], std::string(details.dasha[k].sub[s].end.view()));
            }
        }
        EXPECT_EQ(json["dasha"]["balance"]["years"], details.balanceYears);
        for (const zodiora::NakshatraEntry& entry : details.nakshatras) {
            EXPECT_EQ(json["nakshatras"][zodiora::IndexOf(entry.body)]["name"], entry.name);
            EXPECT_EQ(json["navamsa"][std::string(zodiora::NameOf(entry.body))],
                      zodiora::SignNames[static_cast<std::size_t>(details.navamsa[zodiora::IndexOf(entry.body)])]);
        }
    }
}
