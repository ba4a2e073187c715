#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "ReferenceStations.h"
#include "retrogrades/StationTables.h"

namespace zodiora {
namespace {

using testing::Planets;
using testing::ReadRecord;

TEST(StationTables, RecordCountsOfBothTables)
{
    const std::map<std::string, std::size_t> expected{
        {"Mercury", 476}, {"Venus", 95}, {"Mars", 71}, {"Jupiter", 139}, {"Saturn", 146}};
    std::size_t total = 0;
    for (const auto& [planet, count] : expected) {
        SCOPED_TRACE(planet);
        EXPECT_EQ(StationRecordCount(planet), count);
        // Both tables hold a record at every index below the count, none beyond.
        EXPECT_TRUE(RetrogradeStationRecord(planet, count - 1).has_value());
        EXPECT_TRUE(DirectStationRecord(planet, count - 1).has_value());
        EXPECT_FALSE(RetrogradeStationRecord(planet, count).has_value());
        EXPECT_FALSE(DirectStationRecord(planet, count).has_value());
        total += 2 * count;
    }
    EXPECT_EQ(total, 1854u);
}

TEST(StationTables, UnknownPlanetHasNoTable)
{
    for (const char* name : {"Sun", "Moon", "mercury", "Pluto", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadStations(name).has_value());
        EXPECT_EQ(StationRecordCount(name), 0u);
        EXPECT_FALSE(RetrogradeStationRecord(name, 0).has_value());
        EXPECT_FALSE(StationLines(name).has_value());
    }
}

struct QuotedRow {
    const char* planet;
    std::size_t index;
    const char* retrograde;
    const char* direct;
};

TEST(StationTables, PublishedRecordsAtTheirIndex)
{
    const std::vector<QuotedRow> rows{
        {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
        {"Mercury", 1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
        {"Mercury", 15, "12,22,1904,9,42,", "1,11,1905,10,24,"},
        {"Mercury", 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
        {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
        {"Venus", 51, "12,31,1981,19,3,", "2,10,1982,20,21,"},
        {"Venus", 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
        {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
        {"Mars", 6, "11,26,1913,21,27,", "2,12,1914,23,56,"},
        {"Mars", 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
        {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
        {"Jupiter", 5, "9,25,1905,18,31,", "1,21,1906,13,24,"},
        {"Jupiter", 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
        {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
        {"Saturn", 10, "8,19,1910,11,25,", "1,2,1911,4,35,"},
        {"Saturn", 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
    };
    for (const QuotedRow& row : rows) {
        SCOPED_TRACE(std::string{row.planet} + " " + std::to_string(row.index));
        EXPECT_EQ(RetrogradeStationRecord(row.planet, row.index), row.retrograde);
        EXPECT_EQ(DirectStationRecord(row.planet, row.index), row.direct);
    }
}

TEST(StationTables, RecordsAreWellFormedAndParsedAsWritten)
{
    const std::regex RecordPattern{"((0|[1-9][0-9]*),){5}"};
    for (const char* planet : Planets) {
        const auto periods = LoadStations(planet);
        ASSERT_TRUE(periods.has_value()) << planet;
        for (std::size_t i = 0; i < periods->size(); ++i) {
            for (const StationMoment& moment : {(*periods)[i].retrograde, (*periods)[i].direct}) {
                SCOPED_TRACE(std::string{planet} + " " + std::to_string(i) + " " + std::string{moment.record});
                EXPECT_GE(moment.record.size(), 13u);
                EXPECT_LE(moment.record.size(), 17u);
                // Five plain decimals, no leading zeros, each closed by a comma.
                EXPECT_TRUE(std::regex_match(std::string{moment.record}, RecordPattern));
                const auto reference = ReadRecord(moment.record);
                EXPECT_GE(reference.year, 1900);
                EXPECT_LE(reference.year, 2051);
                EXPECT_EQ(moment.hour, reference.hour);
                EXPECT_EQ(moment.minute, reference.minute);
                // 1 Jan 1970 is Julian day 2440588.
                EXPECT_EQ(moment.day.time_since_epoch().count(), reference.dayNumber() - 2440588);
            }
        }
    }
}

TEST(StationTables, SingleDigitFieldsParse)
{
    const StationMoment moment = ParseStationRecord("2,1,1942,1,1,");
    using namespace std::chrono;
    EXPECT_EQ(year_month_day{moment.day}, 1942y / February / 1d);
    EXPECT_EQ(moment.hour, 1);
    EXPECT_EQ(moment.minute, 1);
}

TEST(StationTables, MalformedRecordsAreRejected)
{
    for (const char* bad : {"2,1,1942,1,1", "2,1,1942,1,", "2,1,1942,1,1,,", "2,30,1942,1,1,", "13,1,1942,1,1,",
                            "2,1,1942,24,0,", "a,1,1942,1,1,", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseStationRecord(bad), std::invalid_argument);
    }
    // A field too long for int is refused before it is added up.
    for (const char* tooLong : {"2,1,19420,1,1,", "2,1,9999999999,1,1,"}) {
        SCOPED_TRACE(tooLong);
        try {
            ParseStationRecord(tooLong);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "station record field longer than four digits");
        }
    }
}

TEST(StationTables, StationsAlternateInOrder)
{
    for (const char* planet : Planets) {
        const std::size_t count = StationRecordCount(planet);
        for (std::size_t i = 0; i < count; ++i) {
            SCOPED_TRACE(std::string{planet} + " " + std::to_string(i));
            const auto retrograde = ReadRecord(*RetrogradeStationRecord(planet, i));
            const auto direct = ReadRecord(*DirectStationRecord(planet, i));
            EXPECT_LT(retrograde.minutes(), direct.minutes());
            if (i + 1 < count) {
                EXPECT_LT(direct.minutes(), ReadRecord(*RetrogradeStationRecord(planet, i + 1)).minutes());
            }
        }
    }
}

TEST(StationTables, PeriodLengthsWithinPublishedRanges)
{
    // Ranges in days, quoted to one decimal; allow the rounding half-step.
    struct Range {
        const char* planet;
        double shortest, longest;
    };
    for (const Range& range : {Range{"Mercury", 19.4, 24.6}, Range{"Venus", 40.4, 43.6}, Range{"Mars", 59.9, 81.1},
                               Range{"Jupiter", 116.7, 124.6}, Range{"Saturn", 133.4, 141.9}}) {
        for (std::size_t i = 0; i < StationRecordCount(range.planet); ++i) {
            const auto retrograde = ReadRecord(*RetrogradeStationRecord(range.planet, i));
            const auto direct = ReadRecord(*DirectStationRecord(range.planet, i));
            const double days = static_cast<double>(direct.minutes() - retrograde.minutes()) / 1440.0;
            EXPECT_GE(days, range.shortest - 0.05) << range.planet << " " << i;
            EXPECT_LT(days, range.longest + 0.05) << range.planet << " " << i;
        }
    }
}

TEST(StationTables, FirstAndLastYears)
{
    // Mars alone opens in 1901; Jupiter's last period ends in 2051; every
    // period turns retrograde within 1900..2050.
    const std::map<std::string, int> firstYear{
        {"Mercury", 1900}, {"Venus", 1900}, {"Mars", 1901}, {"Jupiter", 1900}, {"Saturn", 1900}};
    for (const auto& [planet, year] : firstYear) {
        const std::size_t last = StationRecordCount(planet) - 1;
        EXPECT_EQ(ReadRecord(*RetrogradeStationRecord(planet, 0)).year, year) << planet;
        EXPECT_EQ(ReadRecord(*RetrogradeStationRecord(planet, last)).year, 2050) << planet;
        EXPECT_EQ(ReadRecord(*DirectStationRecord(planet, last)).year, planet == "Jupiter" ? 2051 : 2050) << planet;
    }
}

/// Lines "R-record D-record" of each [Planet] section of the committed file.
std::map<std::string, std::vector<std::string>> ReadStationFile()
{
    std::map<std::string, std::vector<std::string>> sections;
    std::ifstream file{ZODIORA_STATIONS_TXT};
    std::string line, planet;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[')
            planet = line.substr(1, line.size() - 2);
        else
            sections[planet].push_back(line);
    }
    return sections;
}

TEST(StationTables, ListingMatchesTheDataFile)
{
    const auto sections = ReadStationFile();
    ASSERT_EQ(sections.size(), 5u);
    for (const char* planet : Planets) {
        SCOPED_TRACE(planet);
        const auto lines = StationLines(planet);
        ASSERT_TRUE(lines.has_value());
        ASSERT_TRUE(sections.contains(planet));
        EXPECT_EQ(*lines, sections.at(planet));
    }
    EXPECT_EQ(StationLines("Mercury")->front(), "3,15,1900,13,19, 4,7,1900,18,42,");
}

}  // namespace
}  // namespace zodiora
