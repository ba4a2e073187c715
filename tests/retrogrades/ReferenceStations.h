#pragma once

// A deliberately plain reading of the station records, independent of the
// library's parser: split at commas, read integers, and count days with the
// integer Julian day formula instead of std::chrono.

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zodiora::testing {

inline constexpr std::array<const char*, 5> Planets{"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

/// Julian day number of a Gregorian calendar date.
inline long GregorianDayNumber(int year, int month, int day)
{
    const long a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

struct ReferenceStation {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0;
    long dayNumber() const { return GregorianDayNumber(year, month, day); }
    /// Minutes since the Julian day epoch, for ordering and durations.
    std::int64_t minutes() const { return std::int64_t{dayNumber()} * 1440 + hour * 60 + minute; }
};

/// Splits "M,D,YYYY,h,m," at the commas and reads the first five pieces.
inline ReferenceStation ReadRecord(std::string_view record)
{
    std::vector<std::string> pieces;
    std::stringstream stream{std::string{record}};
    std::string piece;
    while (std::getline(stream, piece, ','))
        pieces.push_back(piece);
    ReferenceStation station;
    station.month = std::stoi(pieces.at(0));
    station.day = std::stoi(pieces.at(1));
    station.year = std::stoi(pieces.at(2));
    station.hour = std::stoi(pieces.at(3));
    station.minute = std::stoi(pieces.at(4));
    return station;
}

}  // namespace zodiora::testing
