#include "birthdata/UniversalTime.h"

#include <chrono>

#include "birthdata/TimeZoneTable.h"

namespace zodiora {

// Seconds are added only when given, so that coordinates given to the
// minute keep exactly the sums they always had.
double SignedLongitude(const BirthData& birth)
{
    double value = birth.lonDegrees + birth.lonMinutes / 60.0;
    if (birth.lonSeconds) value += birth.lonSeconds->value / 3600.0;
    return birth.east ? -value : value;
}

double SignedLatitude(const BirthData& birth)
{
    double value = birth.latDegrees + birth.latMinutes / 60.0;
    if (birth.latSeconds) value += birth.latSeconds->value / 3600.0;
    return birth.south ? -value : value;
}

void ApplyZoneRow(int row, BirthData& birth)
{
    if (row < 0 || row >= TimeZoneRowCount) {
        return;
    }
    birth.zoneHours = TimeZoneTable[static_cast<std::size_t>(row)].hours;
    birth.zoneMinutes = TimeZoneTable[static_cast<std::size_t>(row)].minutes;
}

// The zone row's own sign decides the direction, not the place's
// hemisphere: a west place on an east zone (Madrid on CET) must still
// subtract the hour.
double UniversalHours(const BirthData& birth)
{
    // Seconds are added only when present so that whole-minute births keep
    // exactly the sums they always had.
    double clock = birth.hour + birth.minute / 60.0;
    if (birth.second != 0) {
        clock += birth.second / 3600.0;
    }
    if (birth.exactOffsetSeconds) {
        return clock - *birth.exactOffsetSeconds / 3600.0;
    }
    double ut = clock + birth.zoneHours + birth.zoneMinutes / 60.0;
    if (birth.daylightSaving) {
        ut -= 1.0;
    }
    return ut;
}

UtcDateTime UniversalDateTime(const BirthData& birth)
{
    using namespace std::chrono;
    const year_month_day local{year{birth.year}, month{static_cast<unsigned>(birth.month)},
                               day{static_cast<unsigned>(birth.day)}};
    long long totalSeconds = (birth.hour * 60LL + birth.minute) * 60 + birth.second;
    if (birth.exactOffsetSeconds) {
        totalSeconds -= *birth.exactOffsetSeconds;
    } else {
        totalSeconds += (birth.zoneHours * 60LL + birth.zoneMinutes) * 60;
        if (birth.daylightSaving) {
            totalSeconds -= 3600;
        }
    }
    const sys_seconds moment = sys_days{local} + seconds{totalSeconds};
    const sys_days date = floor<days>(moment);
    const year_month_day ymd{date};
    const long long clock = (moment - date).count();
    return UtcDateTime{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                       static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock / 3600),
                       static_cast<int>(clock / 60 % 60), static_cast<int>(clock % 60)};
}

int UtcOffsetSeconds(const BirthData& birth)
{
    if (birth.exactOffsetSeconds) {
        return *birth.exactOffsetSeconds;
    }
    return ZoneCorrectionOffsetSeconds(birth.zoneHours, birth.zoneMinutes, birth.daylightSaving);
}

UniversalMoment UniversalMomentOf(const BirthData& birth)
{
    return UniversalMoment{birth.year, birth.month, birth.day, UniversalHours(birth), UniversalDateTime(birth)};
}

}  // namespace zodiora
