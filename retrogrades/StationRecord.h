#pragma once

#include <chrono>
#include <stdexcept>
#include <string_view>

namespace zodiora {

/// One station as published: the record text "M,D,YYYY,h,m," and its
/// parsed fields. The test for retrograde uses only `day`.
struct StationMoment {
    std::string_view record;
    std::chrono::sys_days day;  ///< calendar date of the record
    int hour = 0;               ///< 0..23, carried but never decisive
    int minute = 0;             ///< 0..59
};

/// One retrograde period: the retrograde station and the direct station
/// that ends it.
struct StationPeriod {
    StationMoment retrograde;
    StationMoment direct;
};

/// Parses "month,day,year,hour,minute," (no leading zeros needed, every
/// field followed by a comma). Throws std::invalid_argument on anything
/// else, which makes a bad record a compile error in constant evaluation.
constexpr StationMoment ParseStationRecord(std::string_view record)
{
    int fields[5]{};
    std::size_t pos = 0;
    for (int& field : fields) {
        std::size_t digits = 0;
        while (pos < record.size() && record[pos] >= '0' && record[pos] <= '9') {
            // Checked before the digit is added, so a long field cannot overflow.
            if (++digits > 4)
                throw std::invalid_argument("station record field longer than four digits");
            field = field * 10 + (record[pos] - '0');
            ++pos;
        }
        if (digits == 0 || pos >= record.size() || record[pos] != ',')
            throw std::invalid_argument("malformed station record");
        ++pos;
    }
    if (pos != record.size())
        throw std::invalid_argument("trailing text after station record");
    using namespace std::chrono;
    const year_month_day date{year{fields[2]}, month{static_cast<unsigned>(fields[0])},
                              day{static_cast<unsigned>(fields[1])}};
    if (!date.ok() || fields[3] > 23 || fields[4] > 59)
        throw std::invalid_argument("station record out of range");
    return {record, sys_days{date}, fields[3], fields[4]};
}

/// Both records of one period, parsed.
constexpr StationPeriod MakeStationPeriod(std::string_view retrograde, std::string_view direct)
{
    return {ParseStationRecord(retrograde), ParseStationRecord(direct)};
}

}  // namespace zodiora
