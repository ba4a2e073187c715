#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReferenceStations.h"
#include "retrogrades/Retrogrades.h"

namespace zodiora {
namespace {

using testing::GregorianDayNumber;
using testing::ReadRecord;
using testing::ReferenceStation;

struct ReferencePeriod {
    ReferenceStation retrograde, direct;
};

/// Every record pair of the planet, read from the raw record texts.
std::vector<ReferencePeriod> ReadPeriods(const char* planet)
{
    std::vector<ReferencePeriod> periods;
    for (std::size_t i = 0; i < StationRecordCount(planet); ++i)
        periods.push_back({ReadRecord(*RetrogradeStationRecord(planet, i)), ReadRecord(*DirectStationRecord(planet, i))});
    return periods;
}

/// The plain scan: the first pair with the retrograde station's day before
/// the birth day and the direct station's day after it.
bool ScanIsRetrograde(const std::vector<ReferencePeriod>& periods, long birthDay)
{
    for (const ReferencePeriod& period : periods) {
        const long dR = period.retrograde.dayNumber() - birthDay;
        const long dD = period.direct.dayNumber() - birthDay;
        if (dR < 0 && dD > 0)
            return true;
    }
    return false;
}

int DaysInMonth(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

TEST(IsRetrograde, AgreesWithPlainScanOnEveryDate1900To2051)
{
    for (const char* planet : testing::Planets) {
        const std::vector<ReferencePeriod> periods = ReadPeriods(planet);
        ASSERT_FALSE(periods.empty()) << planet;
        int mismatches = 0;
        int retrogradeDays = 0;
        for (int year = 1900; year <= 2051; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                    const bool expected = ScanIsRetrograde(periods, GregorianDayNumber(year, month, day));
                    retrogradeDays += expected;
                    if (IsRetrograde(CivilMoment{year, month, day, 0, 0}, planet) != expected && ++mismatches <= 5)
                        ADD_FAILURE() << planet << " " << day << "/" << month << "/" << year << " expected " << expected;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << planet;
        // Guards the scan itself: each planet spends a fair share of time retrograde.
        EXPECT_GT(retrogradeDays, 3000) << planet;
    }
}

}  // namespace
}  // namespace zodiora
