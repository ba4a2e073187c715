#include "timezones/ZoneChoice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "birthdata/TimeZoneTable.h"

using zodiora::timezones::ChooseZone;
using zodiora::timezones::LocalDateTime;
using zodiora::timezones::LocalTimeKind;
using zodiora::timezones::OffsetSecondsOf;
using zodiora::timezones::RowSettingFor;
using zodiora::timezones::ZoneRowSetting;

namespace {

ZoneRowSetting Row(std::string_view name, bool daylightSaving)
{
    for (int row = 0; row < zodiora::TimeZoneRowCount; ++row) {
        if (zodiora::TimeZoneTable[static_cast<std::size_t>(row)].text.starts_with(name))
            return {row, daylightSaving};
    }
    ADD_FAILURE() << "no row " << name;
    return {};
}

struct FormCase {
    const char* zone;
    LocalDateTime local;
    int offsetSeconds;
    std::optional<ZoneRowSetting> setting;
};

}  // namespace

TEST(ZoneChoice, MapsHistoryToTheFormsRowAndBox)
{
    const FormCase cases[] = {
        // Daylight saving in force: the standard-time row with the box ticked.
        {"America/Los_Angeles", {2007, 3, 22, 10, 0, 0}, -7 * 3600, Row("Pacific Standard Time", true)},
        {"America/Los_Angeles", {2006, 3, 22, 10, 0, 0}, -8 * 3600, Row("Pacific Standard Time", false)},
        {"America/New_York", {1943, 7, 4, 12, 0, 0}, -4 * 3600, Row("Eastern Standard Time", true)},
        {"Asia/Kolkata", {1942, 12, 1, 12, 0, 0}, 6 * 3600 + 1800, Row("Indian Time", true)},
        {"Asia/Kolkata", {1980, 6, 15, 6, 30, 0}, 5 * 3600 + 1800, Row("Indian Time", false)},
        {"Europe/London", {1944, 1, 15, 12, 0, 0}, 3600, Row("Greenwich Mean Time", true)},
        // No standard time an hour behind for years: the row named for double summer time.
        {"Europe/London", {1944, 6, 6, 12, 0, 0}, 2 * 3600, Row("British Double Summer Time", false)},
        // +04:30 is no row, but Iran's +03:30 row with the box gives it.
        {"Asia/Tehran", {1993, 7, 1, 12, 0, 0}, 4 * 3600 + 1800, Row("Iran Time", true)},
        // SAST names no +02:00 row, and rows named for daylight, summer or war time are passed over.
        {"Africa/Johannesburg", {2000, 6, 1, 12, 0, 0}, 2 * 3600, Row("Eastern European Time", false)},
        // No row: the exact offset is needed.
        {"Asia/Kathmandu", {1986, 6, 1, 12, 0, 0}, 5 * 3600 + 45 * 60, std::nullopt},
        {"America/Chicago", {1880, 5, 1, 12, 0, 0}, -(5 * 3600 + 50 * 60 + 36), std::nullopt},
        {"Asia/Kolkata", {1901, 6, 1, 12, 0, 0}, 5 * 3600 + 21 * 60 + 10, std::nullopt},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.year));
        std::string error;
        const auto choice = ChooseZone(c.zone, c.local, &error);
        ASSERT_TRUE(choice) << error;
        EXPECT_EQ(choice->kind, LocalTimeKind::Unique);
        EXPECT_EQ(choice->earlier.offset.offsetSeconds, c.offsetSeconds);
        EXPECT_EQ(choice->earlier.setting, c.setting);
        if (choice->earlier.setting) {
            EXPECT_EQ(OffsetSecondsOf(*choice->earlier.setting), c.offsetSeconds);
        }
    }
}

TEST(ZoneChoice, RepeatedAndSkippedReadingsKeepBothOffsets)
{
    // New York, 4 November 2007, 01:30: first EDT, then EST.
    const auto repeated = ChooseZone("America/New_York", {2007, 11, 4, 1, 30, 0}, nullptr);
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->kind, LocalTimeKind::Ambiguous);
    EXPECT_EQ(repeated->earlier.offset.abbreviation, "EDT");
    EXPECT_EQ(repeated->earlier.setting, Row("Eastern Standard Time", true));
    EXPECT_EQ(repeated->later.offset.abbreviation, "EST");
    EXPECT_EQ(repeated->later.setting, Row("Eastern Standard Time", false));

    // London, 26 March 2023, 01:30 never happened: GMT before the gap, BST after.
    const auto skipped = ChooseZone("Europe/London", {2023, 3, 26, 1, 30, 0}, nullptr);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->kind, LocalTimeKind::Skipped);
    EXPECT_EQ(skipped->earlier.setting, Row("Greenwich Mean Time", false));
    EXPECT_EQ(skipped->later.setting, Row("Greenwich Mean Time", true));
}

TEST(ZoneChoice, RankingPrefersNamedThenStandardRows)
{
    // West Africa's WAT is +1; the table's "WAT" row is -1, so the name must not win,
    // and a standard-time row beats British Summer Time (first in the table).
    EXPECT_EQ(RowSettingFor({3600, "WAT", false}, ""), Row("Central European Time", false));
    // A row named by the abbreviation wins over an earlier one with the same offset.
    EXPECT_EQ(RowSettingFor({9 * 3600 + 1800, "SAST", false}, ""), Row("South Australia Standard Time,SAST", false));
    // The box is never ticked without daylight saving, even where that would fit.
    EXPECT_EQ(RowSettingFor({4 * 3600 + 1800, "+0430", false}, ""), std::nullopt);
}

TEST(ZoneChoice, UnknownZoneSaysWhy)
{
    std::string error;
    EXPECT_FALSE(ChooseZone("Mars/Olympus_Mons", {2000, 1, 1, 0, 0, 0}, &error));
    EXPECT_NE(error.find("Mars/Olympus_Mons"), std::string::npos);
}
