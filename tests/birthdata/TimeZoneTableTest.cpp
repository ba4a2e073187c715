#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "birthdata/TimeZoneTable.h"

using zodiora::TimeZoneTable;

namespace {

// The offset the display text states, in minutes east of Greenwich, read
// independently of the table's number columns.
int StatedOffsetMinutes(std::string_view text)
{
    const std::string offset{text.substr(text.rfind(',') + 1)};
    const double hours = std::stod(offset);
    const double whole = std::trunc(hours);
    const double fraction = std::fabs(hours - whole);
    // ".5" and India's ".3" both stand for half an hour.
    const int minutes = fraction > 0.01 ? 30 : 0;
    return static_cast<int>(whole) * 60 + (hours < 0 ? -minutes : minutes);
}

}  // namespace

TEST(TimeZoneTable, HasSeventyOneRowsWithGreenwichAsDefault)
{
    ASSERT_EQ(TimeZoneTable.size(), 71u);
    EXPECT_EQ(TimeZoneTable[zodiora::DefaultTimeZoneRow].text, "Greenwich Mean Time,GMT,0.0");
    EXPECT_EQ(TimeZoneTable[0].text, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(TimeZoneTable[70].text, "Yukon War Time,YWT,-8.0");
}

TEST(TimeZoneTable, CorrectionIsTheNegatedStatedOffset)
{
    for (std::size_t row = 0; row < TimeZoneTable.size(); ++row) {
        const auto& zone = TimeZoneTable[row];
        const int correction = zone.hours * 60 + zone.minutes;
        EXPECT_EQ(correction, -StatedOffsetMinutes(zone.text)) << "row " << row << ": " << zone.text;
        EXPECT_TRUE(zone.minutes == 0 || zone.minutes == 30 || zone.minutes == -30) << "row " << row;
        EXPECT_FALSE(zone.hours * zone.minutes < 0) << "row " << row << " mixes signs";
    }
}

TEST(TimeZoneTable, KeepsTheOddTextsByteForByte)
{
    const std::set<std::size_t> spacedRows{11, 12, 34, 37, 39, 42, 51, 61};
    for (std::size_t row = 0; row < TimeZoneTable.size(); ++row) {
        const bool spaced = TimeZoneTable[row].text.find(", ") != std::string_view::npos;
        EXPECT_EQ(spaced, spacedRows.count(row) == 1) << "row " << row << ": " << TimeZoneTable[row].text;
    }
    EXPECT_EQ(TimeZoneTable[34].text, "Indian Time, IST, +5.3");
    EXPECT_EQ(TimeZoneTable[34].hours, -5);
    EXPECT_EQ(TimeZoneTable[34].minutes, -30);
    EXPECT_EQ(TimeZoneTable[35].text, "Int'l Date Line East,IDLE,+12.0");
    EXPECT_EQ(TimeZoneTable[50].text, "Newfoundland Standard Time,NST,-3.5");
    EXPECT_EQ(TimeZoneTable[52].text, "North Sumatra Time,NST,+6.5");
    EXPECT_EQ(TimeZoneTable[61].text, "Universal Time, UT, 0.0");
}

TEST(TimeZoneTable, RowsAreInAlphabeticalOrderOfTheirNames)
{
    // The list shows table order; a sorted control must show the same.
    for (std::size_t row = 1; row < TimeZoneTable.size(); ++row) {
        std::string previous{TimeZoneTable[row - 1].text};
        std::string current{TimeZoneTable[row].text};
        for (auto* s : {&previous, &current}) {
            for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_LE(previous, current) << "rows " << row - 1 << " and " << row;
    }
}
