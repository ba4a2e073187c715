// The calculation line: every setting, the ayanamsa's value to the second
// and the clock, from a tz zone or a zone row with daylight saving.
#include <gtest/gtest.h>

#include <cctype>

#include "SampleBirths.h"
#include "engine/Engine.h"
#include "presentation/CalculationWords.h"

using namespace zodiora;

TEST(CalculationLine, NamesEverySettingAndTheZone)
{
    Chart chart;
    chart.settings = CalculationSettings{Ephemeris::Precise, AyanamsaKind::Lahiri, NodeKind::Mean, DashaYear::Julian};
    chart.ayanamsaDegrees = 23.81425;  // 23°48′51.3″
    const ClockReading clock{"Asia/Kolkata", "IST", 19800, false, ""};
    EXPECT_EQ(CalculationLine(chart, clock),
              "Precise ephemeris (Swiss Ephemeris) \u00B7 Lahiri ayanamsa 23\u00B048\u203251\u2033 \u00B7 mean node "
              "\u00B7 dasha year 365.25 days \u00B7 clock: Asia/Kolkata IST +05:30");
}

TEST(CalculationLine, OtherChoicesRoundedSecondsAndOffsetsWithSeconds)
{
    Chart chart;
    chart.settings = CalculationSettings{Ephemeris::Classic, AyanamsaKind::Krishnamurti, NodeKind::True,
                                         DashaYear::Sidereal};
    chart.ayanamsaDegrees = 23.0 + 59 / 60.0 + 59.6 / 3600;  // rounds up to 24°00′00″
    const std::string line = CalculationLine(chart, ClockReading{"Asia/Kolkata", "MMT", 19270, false, ""});
    EXPECT_EQ(line, "Classic ephemeris (mean orbital elements) \u00B7 Krishnamurti (KP) ayanamsa 24\u00B000\u203200\u2033"
                    " \u00B7 true node \u00B7 dasha year 365.256363 days \u00B7 clock: Asia/Kolkata MMT +05:21:10");
    chart.settings.dashaYear = DashaYear::Savana;
    EXPECT_NE(CalculationLine(chart, {"Etc/GMT+5", "", -18000, false, ""}).find("dasha year 360 days \u00B7 clock: Etc/GMT+5 -05:00"),
              std::string::npos);
}

TEST(CalculationLine, ClockOfAZoneRowWithDaylightSavingOrOfHistory)
{
    const BirthData summer = test::Delhi1980Birth(true);
    const ClockReading row = ClockOf(summer);
    EXPECT_EQ(row.zone, "Indian Time");
    EXPECT_EQ(row.abbreviation, "IST");
    EXPECT_EQ(row.offsetSeconds, 19800 + 3600);
    EXPECT_TRUE(row.daylightSaving);
    const Chart chart = ComputeChart(summer);
    EXPECT_NE(CalculationLine(chart, row).find("clock: Indian Time IST with daylight saving +06:30"), std::string::npos);
    // The ayanamsa shown is the chart's: the classic's own Lahiri, 23°34′55″ in 1980.
    EXPECT_NE(CalculationLine(chart, row).find("Lahiri ayanamsa 23\u00B034\u203255\u2033"), std::string::npos);

    const ClockReading history = ClockOf(summer, "Asia/Kolkata", "IST");
    EXPECT_EQ(history.zone, "Asia/Kolkata");
    EXPECT_FALSE(history.daylightSaving);
}

TEST(CalculationLine, AnExactOffsetWithoutItsZoneNamesNoZone)
{
    BirthData birth = test::Delhi1980Birth();
    birth.exactOffsetSeconds = 19270;
    const ClockReading clock = ClockOf(birth);
    EXPECT_EQ(clock.zone, "");
    EXPECT_EQ(clock.offsetSeconds, 19270);
    const std::string line = CalculationLine(ComputeChart(birth), clock);
    EXPECT_EQ(line.substr(line.find("clock:")), "clock: +05:21:10");
}

TEST(CalculationLine, InHindiEverySettingFromItsTableAndTheZoneAsItIs)
{
    Chart chart;
    chart.settings = CalculationSettings{Ephemeris::Precise, AyanamsaKind::Lahiri, NodeKind::Mean, DashaYear::Julian};
    chart.ayanamsaDegrees = 23.81425;
    const ClockReading clock{"Asia/Kolkata", "IST", 19800, false, ""};
    EXPECT_EQ(CalculationLine(chart, clock, vocabulary::Language::Hindi),
              "सटीक ग्रह सारणी (स्विस एफ़ेमेरिस) \u00B7 लाहिड़ी अयनांश 23\u00B048\u203251\u2033 \u00B7 मध्यम राहु "
              "\u00B7 दशा वर्ष 365.25 दिन \u00B7 घड़ी: Asia/Kolkata IST +05:30");
    EXPECT_EQ(CalculationLine(chart, clock, vocabulary::Language::English), CalculationLine(chart, clock));
    // Every choice of every setting has its Hindi words: no English word is left.
    for (const auto ephemeris : {Ephemeris::Classic, Ephemeris::Precise}) {
        for (const auto& ayanamsa : AyanamsaChoices) {
            for (const auto node : {NodeKind::Mean, NodeKind::True}) {
                chart.settings = CalculationSettings{ephemeris, ayanamsa.value, node, DashaYear::Savana};
                BirthData birth;
                ClockReading meanTime = MeanTimeClockOf(birth);
                meanTime.daylightSaving = true;
                const std::string line = CalculationLine(chart, meanTime, vocabulary::Language::Hindi);
                for (const char c : line) EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(c))) << line;
            }
        }
    }
}

TEST(CalculationLine, WordsAnotherLanguageFillsReplaceEveryEnglishWord)
{
    Chart chart;
    chart.settings = CalculationSettings{Ephemeris::Classic, AyanamsaKind::Raman, NodeKind::True, DashaYear::Savana};
    chart.ayanamsaDegrees = 22.5;
    CalculationWords words;
    words.precise = "P";
    words.classic = "C";
    words.ayanamsaTitles[1] = "R";
    words.ayanamsa = "a(%1)";
    words.nodes = {"m", "t"};
    words.dashaYear = "y %1 d";
    words.clock = "k:";
    words.meanTimeOf = "<%1>";
    words.birthPlace = "here";
    words.daylightSaving = "+s";
    words.zoneName = [](std::string_view zone) { return "[" + std::string(zone) + "]"; };
    EXPECT_EQ(CalculationLine(chart, {"Indian Time", "IST", 23400, true, ""}, words),
              "C \u00B7 a(R) 22\u00B030\u203200\u2033 \u00B7 t \u00B7 y 360 d \u00B7 k: [Indian Time] IST +s +06:30");
    // A record without a city keeps its own mean time: the words name the birth place.
    BirthData birth = test::Delhi1980Birth();
    birth.city = "";
    EXPECT_NE(CalculationLine(chart, MeanTimeClockOf(birth), words).find("k: <here> +"), std::string::npos);
    // An empty title falls back to the choice's own.
    words.ayanamsaTitles[1] = "";
    EXPECT_NE(CalculationLine(chart, {}, words).find("a(Raman)"), std::string::npos);
}
