// --with dignity, ashtakavarga and shadbala: JSON after the existing keys,
// the text blocks, the flat CSV columns, the table setting, and a polar
// birth where Shadbala has no Kala bala.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"

using namespace zodiora::cli::test;

namespace {

// B.V. Raman's Standard Horoscope ("Graha and Bhava Balas").
const std::vector<std::string> Raman{"--name", "raman", "--date", "1918-10-16", "--time", "14:22:16", "--zone", "34",
                                     "--lat", "13:00N", "--lon", "077:35E", "--ephemeris", "precise",
                                     "--ayanamsa", "raman"};

}  // namespace

TEST(StrengthTool, JsonKeysFollowTheExistingOnes)
{
    const Result plain = RunTool(With(Raman, {"--json"}));
    const Result with = RunTool(With(Raman, {"--json", "--with", "shadbala,dignity,ashtakavarga"}));
    ASSERT_EQ(with.status, 0) << with.err;
    ASSERT_EQ(with.out.substr(0, plain.out.size() - 2), plain.out.substr(0, plain.out.size() - 2));
    const auto json = nlohmann::ordered_json::parse(with.out);
    const auto keys = Keys(json);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 3, keys.end()),
              (std::vector<std::string>{"dignity", "ashtakavarga", "shadbala"}));

    EXPECT_EQ(json["dignity"]["Sun"]["dignity"], "debilitated");
    EXPECT_EQ(json["dignity"]["Mars"]["dignity"], "own");
    EXPECT_EQ(json["dignity"]["Mercury"]["combust"], true);
    EXPECT_EQ(json["dignity"]["Mars"]["aspects"], nlohmann::json::parse("[4,7,8]"));
    EXPECT_EQ(json["dignity"]["Sun"]["aspects"], nlohmann::json::parse("[7]"));

    const auto& av = json["ashtakavarga"];
    EXPECT_EQ(Keys(av), (std::vector<std::string>{"table", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus",
                                                  "Saturn", "sarva", "lagna"}));
    EXPECT_NE(av["table"].get<std::string>().find("Narasimha Rao"), std::string::npos);
    int total = 0;
    for (int s : av["sarva"]) total += s;
    EXPECT_EQ(total, 337);

    const auto& sun = json["shadbala"]["Sun"];
    const auto sunKeys = Keys(sun);
    EXPECT_EQ(std::vector<std::string>(sunKeys.begin(), sunKeys.begin() + 10),
              (std::vector<std::string>{"sthana", "dig", "kala", "chesta", "naisargika", "drik", "total", "rupas",
                                        "required", "ratio"}));
    EXPECT_EQ(sun["naisargika"], 60.0);
    EXPECT_EQ(sun["required"], 5.0);
    EXPECT_NEAR(sun["rupas"].get<double>(), 7.07, 0.25);  // Raman's 7.07
    EXPECT_NEAR(json["shadbala"]["Mercury"]["rupas"].get<double>(), 8.95, 0.25);
}

TEST(StrengthTool, RamansTableIsASetting)
{
    const Result rao = RunTool(With(Raman, {"--json", "--with", "ashtakavarga"}));
    const Result raman = RunTool(With(Raman, {"--json", "--with", "ashtakavarga", "--ashtakavarga", "raman"}));
    ASSERT_EQ(raman.status, 0) << raman.err;
    const auto a = nlohmann::json::parse(rao.out)["ashtakavarga"];
    const auto b = nlohmann::json::parse(raman.out)["ashtakavarga"];
    EXPECT_NE(b["table"].get<std::string>().find("Raman"), std::string::npos);
    EXPECT_EQ(a["Sun"], b["Sun"]);
    EXPECT_NE(a["Moon"], b["Moon"]);
    const Result bad = RunTool(With(Raman, {"--with", "ashtakavarga", "--ashtakavarga", "parashara"}));
    EXPECT_EQ(bad.status, 2);
}

TEST(StrengthTool, TextBlocksNameTheirSources)
{
    const Result result = RunTool(With(Raman, {"--with", "dignity,ashtakavarga,shadbala"}));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\nDignity (BPHS ch. 3)"), std::string::npos);
    EXPECT_NE(result.out.find("Mercury  great-friend  0.6° from the Sun, combust"), std::string::npos);
    EXPECT_NE(result.out.find("\nAshtakavarga (P.V.R. Narasimha Rao"), std::string::npos);
    EXPECT_NE(result.out.find("  Sarva  "), std::string::npos);
    EXPECT_NE(result.out.find("B.V. Raman, Graha and Bhava Balas"), std::string::npos);
}

TEST(StrengthTool, CsvHasAColumnForEveryField)
{
    const Result result = RunTool(With(Raman, {"--format", "csv", "--with", "dignity,ashtakavarga,shadbala"}));
    ASSERT_EQ(result.status, 0) << result.err;
    const std::size_t lineEnd = result.out.find('\n');
    const std::string header = result.out.substr(0, lineEnd);
    const std::string row = result.out.substr(lineEnd + 1);
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), std::count(row.begin(), row.end(), ','));
    EXPECT_NE(header.find(",Sun_dignity,Sun_combust,"), std::string::npos);
    EXPECT_NE(header.find(",Sarva_Pisces,"), std::string::npos);
    EXPECT_NE(header.find(",Saturn_ratio"), std::string::npos);
    EXPECT_NE(row.find(",debilitated,false,"), std::string::npos);
}

// At 80°N on midsummer day the Sun does not set: no Kala bala, so no Shadbala.
TEST(StrengthTool, PolarBirthHasNoShadbala)
{
    const std::vector<std::string> polar{"--name", "polar", "--date", "2000-06-21", "--time", "12:00", "--zone", "29",
                                         "--lat", "80:00N", "--lon", "020:00E"};
    const Result json = RunTool(With(polar, {"--json", "--with", "shadbala,ashtakavarga"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_TRUE(parsed["shadbala"].is_null());
    EXPECT_EQ(parsed["ashtakavarga"]["sarva"].size(), 12u);
    const Result text = RunTool(With(polar, {"--with", "shadbala"}));
    EXPECT_NE(text.out.find("not available: the Sun neither rises nor sets"), std::string::npos);
    const Result csv = RunTool(With(polar, {"--format", "csv", "--with", "shadbala"}));
    EXPECT_EQ(csv.status, 0);
    EXPECT_NE(csv.out.find(",,,,,,,,,,"), std::string::npos);
}
