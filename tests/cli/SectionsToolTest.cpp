// --with sections, the settings options and the calculation line: JSON keys
// after the existing ones in registry order, text and CSV forms, refusals
// with exit 2 and one line, the same bytes from one worker or several, and
// a saved chart's settings unless the command line overrides them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "ToolRun.h"
#include "chartlibrary/ChartLibrary.h"
#include "cli/sections/Section.h"

using namespace zodiora::cli::test;

namespace {

std::string BatchOf(int count)
{
    std::string text;
    for (int k = 0; k < count; ++k) {
        text += 'P';
        text += static_cast<char>('A' + k % 26);
        text += ",19" + std::to_string(40 + k % 60) + "-0" + std::to_string(1 + k % 9) + "-1" +
                std::to_string(k % 10) + ",0" + std::to_string(k % 10) + ":30,34,28:37N,077:13E,0\n";
    }
    return text + "Bad,1980-13-01,06:30,34,28:37N,077:13E,0\n";
}

}  // namespace

TEST(SectionsTool, JsonAddsSettingsThenSectionsInRegistryOrderAfterTheExistingKeys)
{
    const Result plain = RunTool(With(Delhi1980, {"--json"}));
    const Result with = RunTool(With(Delhi1980, {"--json", "--with", "kp,vargas,kp"}));
    ASSERT_EQ(with.status, 0) << with.err;
    // Everything before stays byte for byte; the new keys follow.
    ASSERT_EQ(with.out.substr(0, plain.out.size() - 2), plain.out.substr(0, plain.out.size() - 2));
    const auto json = nlohmann::ordered_json::parse(with.out);
    const std::vector<std::string> keys = Keys(json);
    EXPECT_EQ(std::vector<std::string>(keys.end() - 6, keys.end()),
              (std::vector<std::string>{"ayanamsa", "node", "dashaYear", "vargas", "vargaVariant", "kp"}));
    EXPECT_EQ(json["ayanamsa"]["name"], "lahiri");
    EXPECT_NEAR(json["ayanamsa"]["degrees"].get<double>(), 23.58185, 0.00001);  // the classic's own Lahiri
    EXPECT_EQ(json["node"], "mean");
    EXPECT_EQ(json["dashaYear"], "julian");
    ASSERT_EQ(json["vargas"].size(), 16u);
    EXPECT_EQ(Keys(json["vargas"]).front(), "D1");
    EXPECT_EQ(Keys(json["vargas"]).back(), "D60");
    EXPECT_EQ(json["vargas"]["D1"], json["signs"]);  // D1 is the birth chart
    EXPECT_EQ(json["vargas"]["D9"]["Moon"], 3);      // Gemini, as "navamsa" says
    EXPECT_EQ(json["vargaVariant"], "parashara");
    EXPECT_EQ(json["kp"].size(), 13u);
    // Moon 28 Gem 01: Punarvasu (Jupiter).
    EXPECT_EQ(json["kp"]["Moon"]["star"], "Jupiter");
    EXPECT_EQ(Keys(json["kp"]["Moon"]), (std::vector<std::string>{"star", "sub", "subSub"}));
}

TEST(SectionsTool, ASettingAloneNamesTheSettingsAndTheEphemerisAloneDoesNot)
{
    const auto raman = nlohmann::ordered_json::parse(RunTool(With(Delhi1980, {"--json", "--ayanamsa", "raman"})).out);
    EXPECT_EQ(raman["ayanamsa"]["name"], "raman");
    EXPECT_FALSE(raman.contains("vargas"));
    const auto lahiri = nlohmann::ordered_json::parse(RunTool(With(Delhi1980, {"--json"})).out);
    // Classic with Raman: every longitude moved by the Swiss Ephemeris's difference.
    const double shift = raman["ayanamsa"]["degrees"].get<double>() - lahiri["ayanamsa1900"].get<double>() * -1;
    EXPECT_NEAR(shift, -1.446, 0.001);
    EXPECT_NEAR(lahiri["longitudes"]["Sun"].get<double>() - raman["longitudes"]["Sun"].get<double>(), shift, 1e-9);
    const auto precise =
        nlohmann::ordered_json::parse(RunTool(With(Delhi1980, {"--json", "--ephemeris", "precise"})).out);
    EXPECT_FALSE(precise.contains("ayanamsa"));
    const auto savana =
        nlohmann::ordered_json::parse(RunTool(With(Delhi1980, {"--json", "--dasha-year", "savana"})).out);
    EXPECT_EQ(savana["dashaYear"], "savana");
    EXPECT_EQ(savana["dasha"]["periods"][0]["start"], "1980-06-15");
    EXPECT_NE(savana["dasha"]["periods"][1]["start"], lahiri["dasha"]["periods"][1]["start"]);
    const auto trueNode = nlohmann::ordered_json::parse(RunTool(With(Delhi1980, {"--json", "--node", "true"})).out);
    EXPECT_NE(trueNode["longitudes"]["Rahu"], lahiri["longitudes"]["Rahu"]);
    EXPECT_EQ(trueNode["longitudes"]["Sun"], lahiri["longitudes"]["Sun"]);
}

TEST(SectionsTool, BadNamesExitTwoWithOneLineNamingTheValueAndTheChoices)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--with", "vargas,d9"}, "zodiora-chart: --with 'd9' is not a section (vargas, kp, dignity, ashtakavarga, shadbala, margins, panchang)\n"},
        {{"--with", ""}, "zodiora-chart: --with '' is not a section (vargas, kp, dignity, ashtakavarga, shadbala, margins, panchang)\n"},
        {{"--ayanamsa", "sayana"},
         "zodiora-chart: --ayanamsa: sayana not in {lahiri,raman,krishnamurti,fagan-bradley,true-chitra,yukteshwar}\n"},
        {{"--node", "osculating"}, "zodiora-chart: --node: osculating not in {mean,true}\n"},
        {{"--dasha-year", "lunar"}, "zodiora-chart: --dasha-year: lunar not in {julian,gregorian,sidereal,savana}\n"},
    };
    for (const auto& [arguments, message] : cases) {
        std::vector<std::string> all = Delhi1980;
        all.insert(all.end(), arguments.begin(), arguments.end());
        const Result result = RunTool(all);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_EQ(result.err, message);
        EXPECT_EQ(result.out, "");
    }
}

TEST(SectionsTool, TextPrintsTheCalculationLineOnceBeforeTheSections)
{
    const Result plain = RunTool(Delhi1980);
    const Result with = RunTool(With(Delhi1980, {"--with", "vargas,kp", "--ephemeris", "precise"}));
    ASSERT_EQ(with.status, 0) << with.err;
    const std::size_t line = with.out.find("\nPrecise ephemeris (Swiss Ephemeris) \u00B7 Lahiri ayanamsa ");
    ASSERT_NE(line, std::string::npos);
    EXPECT_NE(with.out.find(" \u00B7 mean node \u00B7 dasha year 365.25 days \u00B7 clock: Indian Time IST +05:30\n"),
              std::string::npos);
    const std::size_t vargas = with.out.find("\nVargas (Parashara rules; * vargottama");
    const std::size_t kp = with.out.find("\nKP lords (position, star lord, sub lord, sub-sub lord)\n");
    EXPECT_LT(line, vargas);
    EXPECT_LT(vargas, kp);
    EXPECT_NE(with.out.find("\n            D1  D2  D3  D4  D7  D9  D10 D12 D16 D20 D24 D27 D30 D40 D45 D60\n"),
              std::string::npos);
    EXPECT_EQ(with.out.find("clock:"), with.out.rfind("clock:"));
    // --vedic and --with together: the line once, at the top of the Vedic part.
    const Result both = RunTool(With(Delhi1980, {"--with", "kp", "--vedic"}));
    EXPECT_EQ(both.out.find("clock:"), both.out.rfind("clock:"));
    EXPECT_LT(both.out.find("clock:"), both.out.find("\nNakshatras"));
    EXPECT_LT(both.out.find("\nVimshottari"), both.out.find("\nKP lords"));
    // Without new options the plain text is what it was.
    EXPECT_EQ(plain.out.find("clock:"), std::string::npos);
}

TEST(SectionsTool, CsvColumnsGoBeforeTheErrorColumnAndErrorRowsKeepTheCount)
{
    const Result result = RunTool({"--batch", "-", "--format", "csv", "--with", "kp,vargas"}, BatchOf(3));
    ASSERT_EQ(result.status, 1) << result.err;
    std::istringstream lines(result.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_NE(header.find(",Ketu,KetuSign,KetuHouse,KetuPosition,D1_Sun,D1_Moon,"), std::string::npos);
    EXPECT_NE(header.find(",D60_Ketu,Sun_star,Sun_sub,Sun_subSub,"), std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 18), ",Ketu_subSub,error");
    const auto columns = [](const std::string& row) { return std::count(row.begin(), row.end(), ',') + 1; };
    std::string row;
    int rows = 0;
    while (std::getline(lines, row)) {
        EXPECT_EQ(columns(row), columns(header)) << row;
        ++rows;
    }
    EXPECT_EQ(rows, 4);
    EXPECT_NE(result.out.find(",Jupiter,Jupiter,"), std::string::npos);
}

TEST(SectionsTool, CsvRefusesASectionWithoutFlatColumns)
{
    // Every section of this issue has a flat form; the refusal names the one that has none.
    const zodiora::cli::SectionSelection none{};
    EXPECT_EQ(zodiora::cli::CsvRefusal(none), std::nullopt);
    const zodiora::cli::OutputSection flatless{"tree", "", nullptr, nullptr, nullptr, nullptr};
    EXPECT_EQ(zodiora::cli::CsvRefusal({&flatless}), "the section 'tree' has no CSV form");
}

TEST(SectionsTool, BatchGivesTheSameBytesFromOneWorkerOrSeveral)
{
    const std::string births = BatchOf(150);
    for (const char* format : {"json", "text", "csv"}) {
        const Result one = RunTool({"--batch", "-", "--format", format, "--with", "vargas,kp", "--ayanamsa",
                                    "krishnamurti", "--threads", "1"},
                                   births);
        const Result four = RunTool({"--batch", "-", "--format", format, "--with", "vargas,kp", "--ayanamsa",
                                     "krishnamurti", "--threads", "4"},
                                    births);
        EXPECT_EQ(one.status, 1);
        EXPECT_EQ(four.out, one.out) << format;
        const std::string named = format == std::string("json") ? R"("name":"krishnamurti")"
                                  : format == std::string("text") ? "Krishnamurti (KP) ayanamsa"
                                                                  : "Sun_subSub";
        EXPECT_NE(one.out.find(named), std::string::npos) << format;
    }
}

TEST(SectionsTool, ASavedChartUsesItsSettingsUnlessTheCommandLineOverridesThem)
{
    const auto file = std::filesystem::temp_directory_path() / "zodiora-sections-test.sqlite";
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
        chart.settings = "ephemeris=precise ayanamsa=yukteshwar node=true dasha-year=julian";
        ASSERT_TRUE(library.save(chart));
    }
    const std::vector<std::string> saved{"--chart", "ASHA", "--library-file", file.string(), "--json"};
    const auto own = nlohmann::ordered_json::parse(RunTool(saved).out);
    EXPECT_EQ(own["ephemeris"], "precise");
    EXPECT_EQ(own["ayanamsa"]["name"], "yukteshwar");  // named: not the defaults
    EXPECT_EQ(own["node"], "true");
    const auto overridden = nlohmann::ordered_json::parse(RunTool(With(saved, {"--node", "mean"})).out);
    EXPECT_EQ(overridden["ayanamsa"]["name"], "yukteshwar");
    EXPECT_EQ(overridden["node"], "mean");
    const Result text = RunTool({"--chart", "ASHA", "--library-file", file.string(), "--vedic"});
    EXPECT_NE(text.out.find("Precise ephemeris (Swiss Ephemeris) \u00B7 Yukteshwar ayanamsa "), std::string::npos);
    std::filesystem::remove(file);
}
