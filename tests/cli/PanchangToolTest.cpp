// --with panchang: the birth's panchang in JSON, text and CSV, in --batch too.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"

using namespace zodiora::cli::test;

namespace {

// Bangalore, 2013-01-18 10:00 IST: drik-panchanga's Shukla Saptami ending 16:24:20.
const std::vector<std::string> Bangalore2013{"--name", "b", "--date", "2013-01-18", "--time", "10:00",
                                             "--zone", "Asia/Kolkata", "--lat", "12.972N", "--lon", "77.594E"};

}  // namespace

TEST(PanchangTool, JsonGivesTheLimbsWithTheirEndsOnTheBirthsClock)
{
    const Result result = RunTool(With(Bangalore2013, {"--json", "--with", "panchang"}));
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::ordered_json::parse(result.out);
    const auto& panchang = json["panchang"];
    EXPECT_EQ(json.items().begin().key(), "positions");
    EXPECT_EQ(panchang["tithi"], nlohmann::ordered_json::parse(R"({"number":7,"name":"Shukla Saptami",
        "paksha":"Shukla","ends":"2013-01-18T16:24:20+05:30"})"));
    EXPECT_EQ(panchang["vara"], nlohmann::ordered_json::parse(R"({"number":6,"name":"Friday","lord":"Venus"})"));
    EXPECT_EQ(panchang["nakshatra"]["name"], "Revati");
    EXPECT_EQ(panchang["yoga"]["number"], 21);
    EXPECT_EQ(panchang["karana"]["name"], "Vanija");
    // The form keeps whole arc minutes (77°36′E): the sunrise moves a second or two.
    EXPECT_EQ(panchang["sunrise"].get<std::string>().substr(0, 17), "2013-01-18T06:49:");
    EXPECT_EQ(panchang["sunset"].get<std::string>().substr(0, 17), "2013-01-18T18:10:");
}

TEST(PanchangTool, TextSaysHowSunriseIsReckonedAndPolarNightHasNone)
{
    const Result text = RunTool(With(Bangalore2013, {"--with", "panchang"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("the Hindu rising, centre of the Sun's disc on the horizon, no refraction"),
              std::string::npos);
    EXPECT_NE(text.out.find("Shukla Saptami        ends 2013-01-18T16:24:20+05:30"), std::string::npos);

    const Result tromso = RunTool({"--name", "t", "--date", "2020-12-21", "--time", "12:00", "--zone", "Europe/Oslo",
                                   "--lat", "69:39N", "--lon", "018:57E", "--with", "panchang", "--json"});
    ASSERT_EQ(tromso.status, 0) << tromso.err;
    const auto json = nlohmann::ordered_json::parse(tromso.out);
    EXPECT_TRUE(json["panchang"]["sunrise"].is_null());
    EXPECT_TRUE(json["panchang"]["vara"].is_null());
    EXPECT_TRUE(json["panchang"]["tithi"]["number"].is_number());
}

TEST(PanchangTool, CsvAndBatchCarryTheSameFields)
{
    const std::string line = "b,2013-01-18,10:00,Asia/Kolkata,12.972N,77.594E,0\n";
    const Result csv = RunTool({"--batch", "-", "--format", "csv", "--with", "panchang"}, line);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find(",tithi,tithi_name,tithi_ends,vara,vara_name,vara_lord,nakshatra,"), std::string::npos);
    EXPECT_NE(csv.out.find(",7,Shukla Saptami,2013-01-18T16:24:20+05:30,6,Friday,Venus,27,Revati,"),
              std::string::npos);
    const Result json = RunTool({"--batch", "-", "--format", "json", "--with", "panchang"}, line);
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(json.out)["panchang"]["tithi"]["number"], 7);
}
