// Zone files: TZDIR is honoured, and a damaged or missing database is
// refused at the look-up, naming the zone, instead of failing inside the tz
// library later.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "timezones/TimeZone.h"
#include "timezones/ZoneFile.h"

using zodiora::timezones::CheckZoneFile;
using zodiora::timezones::LocalDateTime;
using zodiora::timezones::TimeZone;

namespace {

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ZoneFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zodiora-tz-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ / "Test");
        kolkata_ = Bytes("/usr/share/zoneinfo/Asia/Kolkata");
        ASSERT_FALSE(kolkata_.empty());
        std::ofstream(folder_ / "Test/Renamed_Kolkata", std::ios::binary) << kolkata_;
    }
    void TearDown() override
    {
        unsetenv("TZDIR");
        std::filesystem::remove_all(folder_);
    }

    std::filesystem::path folder_;
    std::string kolkata_;
};

}  // namespace

TEST_F(ZoneFolder, TzdirIsWhereZonesAreFound)
{
    std::string error;
    EXPECT_FALSE(TimeZone::Find("Test/Renamed_Kolkata", &error));
    setenv("TZDIR", folder_.c_str(), 1);
    const auto zone = TimeZone::Find("Test/Renamed_Kolkata", &error);
    ASSERT_TRUE(zone) << error;
    EXPECT_EQ(zone->id(), "Test/Renamed_Kolkata");
    EXPECT_EQ(zone->offsetAt(LocalDateTime{1980, 6, 15, 6, 30, 0}).earlier.offsetSeconds, 5 * 3600 + 1800);
    // Only what is in TZDIR, and nothing outside it.
    TimeZone::FindFailure failure{};
    EXPECT_FALSE(TimeZone::Find("Europe/London", &error, &failure));
    EXPECT_EQ(failure, TimeZone::FindFailure::UnknownId);
    EXPECT_FALSE(TimeZone::Find("Test/../Test/Renamed_Kolkata", &error));
}

TEST_F(ZoneFolder, ADamagedZoneFileIsRefusedNamingTheZone)
{
    // A file cut short, and one with a transition to a type that is not there.
    std::ofstream(folder_ / "Test/Cut", std::ios::binary) << kolkata_.substr(0, kolkata_.size() / 2);
    std::ofstream(folder_ / "Test/Garbage", std::ios::binary) << std::string("TZif2\0\0\0", 8) + std::string(60, '\xff');
    setenv("TZDIR", folder_.c_str(), 1);
    for (const char* id : {"Test/Cut", "Test/Garbage"}) {
        SCOPED_TRACE(id);
        std::string error;
        TimeZone::FindFailure failure{};
        EXPECT_FALSE(TimeZone::Find(id, &error, &failure));
        EXPECT_EQ(failure, TimeZone::FindFailure::Unreadable);
        EXPECT_NE(error.find(std::string("the time-zone file for ") + id), std::string::npos) << error;
        EXPECT_NE(error.find("is damaged"), std::string::npos) << error;
    }
}

TEST_F(ZoneFolder, AnEmptyDatabaseIsNamedAsSuch)
{
    const std::filesystem::path empty = folder_ / "empty";
    std::filesystem::create_directory(empty);
    setenv("TZDIR", empty.c_str(), 1);
    std::string error;
    TimeZone::FindFailure failure{};
    EXPECT_FALSE(TimeZone::Find("Europe/London", &error, &failure));
    EXPECT_EQ(failure, TimeZone::FindFailure::NoDatabase);
    EXPECT_NE(error.find("no time-zone database in " + empty.string()), std::string::npos) << error;
}

TEST(ZoneFile, EverySystemZoneWeUsePassesTheCheck)
{
    for (const char* id : {"Asia/Kolkata", "America/New_York", "Europe/London", "Asia/Kathmandu", "UTC"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(CheckZoneFile(Bytes(std::string("/usr/share/zoneinfo/") + id)), "");
    }
    EXPECT_NE(CheckZoneFile(""), "");
    EXPECT_NE(CheckZoneFile("TZif"), "");
}
