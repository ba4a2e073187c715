#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "chartlibrary/ChartLibrary.h"

namespace zodiora::test {

/// A fresh folder per test and a clock that ticks one second per reading,
/// so "newest first" does not depend on how fast the machine is.
class LibraryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zodiora-library-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ / "charts.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    ChartLibrary makeLibrary()
    {
        return ChartLibrary([now = now_] { return *now += 1000; });
    }

    static std::string ReadBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::shared_ptr<std::int64_t> now_ = std::make_shared<std::int64_t>(1'700'000'000'000);
};

/// A chart with every field away from its default, texts with quotes,
/// accents, CJK and a line break: what a careless mapping would mangle.
inline SavedChart AwkwardChart()
{
    SavedChart chart;
    BirthFormInput& form = chart.form;
    form.name = "Zoë \"Ana\" O'Brien 李";
    form.monthIndex = 11;
    form.day = 31;
    form.year = 2050;
    form.hour = 23;
    form.minute = 59;
    form.zoneRow = 3;
    form.daylightSaving = true;
    form.latDegrees = " 23";
    form.latMinutes = "05";
    form.south = true;
    form.lonDegrees = "46";
    form.lonMinutes = "38";
    form.east = false;
    form.city = "São Paulo";
    form.state = "'SP'";
    form.country = "Brasil";
    chart.form.second = 58;
    chart.zoneId = "America/Sao_Paulo";
    chart.form.exactOffsetSeconds = -10800;
    chart.note = "Line one; DROP TABLE charts;\n\"quoted\" — ok";
    return chart;
}

inline SavedChart NamedChart(std::string name, std::string city, std::string country, int year)
{
    SavedChart chart;
    chart.form.name = std::move(name);
    chart.form.city = std::move(city);
    chart.form.country = std::move(country);
    chart.form.year = year;
    return chart;
}

inline void ExpectSameChart(const SavedChart& actual, const SavedChart& expected)
{
    const BirthFormInput& a = actual.form;
    const BirthFormInput& e = expected.form;
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(a.name, e.name);
    EXPECT_EQ(a.monthIndex, e.monthIndex);
    EXPECT_EQ(a.day, e.day);
    EXPECT_EQ(a.year, e.year);
    EXPECT_EQ(a.hour, e.hour);
    EXPECT_EQ(a.minute, e.minute);
    EXPECT_EQ(a.zoneRow, e.zoneRow);
    EXPECT_EQ(a.daylightSaving, e.daylightSaving);
    EXPECT_EQ(a.latDegrees, e.latDegrees);
    EXPECT_EQ(a.latMinutes, e.latMinutes);
    EXPECT_EQ(a.south, e.south);
    EXPECT_EQ(a.lonDegrees, e.lonDegrees);
    EXPECT_EQ(a.lonMinutes, e.lonMinutes);
    EXPECT_EQ(a.east, e.east);
    EXPECT_EQ(a.city, e.city);
    EXPECT_EQ(a.state, e.state);
    EXPECT_EQ(a.country, e.country);
    EXPECT_EQ(actual.form.second, expected.form.second);
    EXPECT_EQ(actual.zoneId, expected.zoneId);
    EXPECT_EQ(actual.form.exactOffsetSeconds, expected.form.exactOffsetSeconds);
    EXPECT_EQ(actual.note, expected.note);
    EXPECT_EQ(actual.createdMs, expected.createdMs);
    EXPECT_EQ(actual.modifiedMs, expected.modifiedMs);
}

}  // namespace zodiora::test
