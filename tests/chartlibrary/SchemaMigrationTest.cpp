#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "LibraryFixture.h"
#include "chartlibrary/ChartSchema.h"
#include "chartlibrary/SqliteDatabase.h"

using namespace zodiora;

namespace {

using SchemaMigrationTest = zodiora::test::LibraryFixture;

// A chart as version 1 wrote it, column by column, independent of how the
// library maps fields today.
constexpr std::string_view Version1Row = R"sql(
INSERT INTO charts (name, month_index, day, year, hour, minute, second, zone_row, daylight_saving,
    zone_id, ut_offset_seconds, lat_degrees, lat_minutes, south, lon_degrees, lon_minutes, east,
    city, state, country, note, created_ms, modified_ms)
VALUES ('ASHA', 5, 15, 1980, 6, 30, 12, 34, 0, 'Asia/Kolkata', 19800, '28', '37', 0, '77', '13', 1,
    'New Delhi', 'Delhi', 'India', 'first chart', 1000, 2000);
)sql";

std::int64_t UserVersion(SqliteDatabase& db)
{
    std::int64_t version = -1;
    EXPECT_EQ(db.queryInt("PRAGMA user_version", version), 0);
    return version;
}

void MakeVersion1Library(const std::filesystem::path& path)
{
    SqliteDatabase db;
    ASSERT_EQ(db.open(path), 0);
    ASSERT_EQ(MigrateSchema(db, ChartSchemaSteps().first(1)), 0) << db.errorMessage();
    ASSERT_EQ(db.execute(Version1Row), 0) << db.errorMessage();
}

TEST_F(SchemaMigrationTest, AVersion1LibraryOpensWithEveryFieldInPlace)
{
    MakeVersion1Library(path_);
    ChartLibrary library = makeLibrary();
    const auto opened = library.open(path_);
    ASSERT_TRUE(opened) << opened.error();
    EXPECT_FALSE(opened->setAside);

    const SavedChart chart = library.findByName("ASHA").value().value();
    EXPECT_EQ(chart.form.monthIndex, 5);
    EXPECT_EQ(chart.form.day, 15);
    EXPECT_EQ(chart.form.year, 1980);
    EXPECT_EQ(chart.form.hour, 6);
    EXPECT_EQ(chart.form.minute, 30);
    EXPECT_EQ(chart.form.second, 12);
    EXPECT_EQ(chart.form.zoneRow, 34);
    EXPECT_FALSE(chart.form.daylightSaving);
    EXPECT_EQ(chart.zoneId, "Asia/Kolkata");
    EXPECT_EQ(chart.form.exactOffsetSeconds, 19800);
    EXPECT_EQ(chart.form.latDegrees + chart.form.latMinutes + chart.form.lonDegrees + chart.form.lonMinutes,
              "28377713");
    EXPECT_FALSE(chart.form.south);
    EXPECT_TRUE(chart.form.east);
    EXPECT_EQ(chart.form.city + "|" + chart.form.state + "|" + chart.form.country, "New Delhi|Delhi|India");
    EXPECT_EQ(chart.note, "first chart");
    EXPECT_EQ(chart.createdMs, 1000);
    EXPECT_EQ(chart.modifiedMs, 2000);
    EXPECT_EQ(chart.settings, "") << "an old chart takes the preferences' settings";
}

TEST_F(SchemaMigrationTest, AVersion1LibraryIsReadWithoutBeingUpgraded)
{
    MakeVersion1Library(path_);
    const std::string bytes = ReadBytes(path_);
    ChartLibrary library = makeLibrary();
    const auto opened = library.openToRead(path_);
    ASSERT_TRUE(opened) << opened.error();
    const SavedChart chart = library.findByName("ASHA").value().value();
    EXPECT_EQ(chart.note, "first chart");
    EXPECT_EQ(chart.settings, "");
    library.close();
    // Brought up to date in memory only: the file is still version 1.
    EXPECT_EQ(ReadBytes(path_), bytes);
    SqliteDatabase db;
    ASSERT_EQ(db.open(path_), 0);
    EXPECT_EQ(UserVersion(db), 1);
}

TEST_F(SchemaMigrationTest, Version2KeepsEachChartsSettings)
{
    MakeVersion1Library(path_);
    {
        ChartLibrary library = makeLibrary();
        ASSERT_TRUE(library.open(path_));
        SavedChart chart = library.findByName("ASHA").value().value();
        chart.settings = "ephemeris=precise ayanamsa=raman node=true dasha-year=julian";
        ASSERT_TRUE(library.save(chart));
    }
    SqliteDatabase db;
    ASSERT_EQ(db.open(path_), 0);
    EXPECT_EQ(UserVersion(db), 4);
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    const SavedChart chart = library.findByName("ASHA").value().value();
    EXPECT_EQ(chart.settings, "ephemeris=precise ayanamsa=raman node=true dasha-year=julian");
    EXPECT_EQ(chart.note, "first chart");
}

TEST_F(SchemaMigrationTest, Version3KeepsEachChartsTimeUncertaintyAndOldChartsTakeFive)
{
    {
        SqliteDatabase db;
        ASSERT_EQ(db.open(path_), 0);
        ASSERT_EQ(MigrateSchema(db, ChartSchemaSteps().first(2)), 0) << db.errorMessage();
        ASSERT_EQ(db.execute(Version1Row), 0) << db.errorMessage();
    }
    {
        ChartLibrary library = makeLibrary();
        ASSERT_TRUE(library.open(path_));
        SavedChart chart = library.findByName("ASHA").value().value();
        EXPECT_EQ(chart.timeUncertaintyMinutes, 5);
        EXPECT_EQ(chart.note, "first chart");
        chart.timeUncertaintyMinutes = 12;
        ASSERT_TRUE(library.save(chart));
    }
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    EXPECT_EQ(library.findByName("ASHA").value().value().timeUncertaintyMinutes, 12);
}

TEST_F(SchemaMigrationTest, ANewStepRunsOnceOnOldDataAndAFailingStepChangesNothing)
{
    MakeVersion1Library(path_);
    SqliteDatabase db;
    ASSERT_EQ(db.open(path_), 0);

    const std::array<std::string_view, 2> broken = {ChartSchemaSteps()[0], "ALTER TABLE no_such_table ADD x"};
    EXPECT_NE(MigrateSchema(db, broken), 0);
    EXPECT_EQ(UserVersion(db), 1);

    const std::array<std::string_view, 2> steps = {
        ChartSchemaSteps()[0], "ALTER TABLE charts ADD COLUMN style TEXT NOT NULL DEFAULT 'north'"};
    ASSERT_EQ(MigrateSchema(db, steps), 0) << db.errorMessage();
    ASSERT_EQ(MigrateSchema(db, steps), 0) << "a second run must find nothing to do";
    EXPECT_EQ(UserVersion(db), 2);

    SqliteStatement row;
    ASSERT_EQ(db.prepare("SELECT name, note, style FROM charts", row), 0);
    ASSERT_EQ(row.step(), 100);  // SQLITE_ROW
    EXPECT_EQ(row.textAt(0) + "|" + row.textAt(1) + "|" + row.textAt(2), "ASHA|first chart|north");
}

}  // namespace

// Charts saved before seconds were kept read as given to the minute, on a
// clock that was not local mean time; the new fields come back as saved.
TEST_F(SchemaMigrationTest, Version4KeepsSecondsAndLocalMeanTimeAndOldChartsReadAsMinutes)
{
    {
        SqliteDatabase db;
        ASSERT_EQ(db.open(path_), 0);
        ASSERT_EQ(MigrateSchema(db, ChartSchemaSteps().first(3)), 0) << db.errorMessage();
        ASSERT_EQ(db.execute(Version1Row), 0) << db.errorMessage();
    }
    {
        ChartLibrary library = makeLibrary();
        ASSERT_TRUE(library.open(path_));
        SavedChart chart = library.findByName("ASHA").value().value();
        EXPECT_EQ(chart.form.latSeconds + chart.form.lonSeconds, "");
        EXPECT_FALSE(chart.form.localMeanTime);
        EXPECT_EQ(chart.note, "first chart");
        chart.form.latSeconds = "24.360";
        chart.form.lonSeconds = "07";
        chart.form.localMeanTime = true;
        ASSERT_TRUE(library.save(chart));
    }
    ChartLibrary library = makeLibrary();
    ASSERT_TRUE(library.open(path_));
    const SavedChart chart = library.findByName("ASHA").value().value();
    EXPECT_EQ(chart.form.latSeconds, "24.360");
    EXPECT_EQ(chart.form.lonSeconds, "07");
    EXPECT_TRUE(chart.form.localMeanTime);
}
