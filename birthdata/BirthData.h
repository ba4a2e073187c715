#pragma once

#include <optional>
#include <string>

namespace zodiora {

/// Seconds of arc beside a coordinate's whole minutes, and the number of
/// decimals they were given to (0 for whole seconds).
struct ArcSeconds {
    double value = 0;  ///< 0 <= value < 60
    int decimals = 0;
    friend bool operator==(const ArcSeconds&, const ArcSeconds&) = default;
};

/// One birth as read from the input form: local civil date and clock time,
/// the selected time-zone row with its correction, and the place.
/// Latitude and longitude are unsigned degrees/minutes (and seconds, when
/// they were given to the second or finer) plus hemisphere flags;
/// SignedLongitude()/SignedLatitude() apply the engine's sign convention.
struct BirthData {
    std::string name;          ///< as typed, not trimmed
    int month = 1;             ///< 1..12, local civil date
    int day = 1;               ///< 1..31
    int year = 1901;           ///< 1583..2399 on the form (1901..2050 for the classic ephemeris), Gregorian
    int hour = 0;              ///< 0..23, local clock
    int minute = 0;            ///< 0..59, local clock
    int second = 0;            ///< 0..59, local clock; the form leaves it 0
    int zoneRow = 29;          ///< row of TimeZoneTable
    int zoneHours = 0;         ///< signed hours to add to local time for UT
    int zoneMinutes = 0;       ///< signed minutes, same sign as zoneHours (0, +30, -30)
    int lonDegrees = 0;        ///< 0..179
    int lonMinutes = 0;        ///< 0..59
    std::optional<ArcSeconds> lonSeconds;  ///< absent: given to the minute
    bool east = true;          ///< "East" selected
    int latDegrees = 0;        ///< 0..89
    int latMinutes = 0;        ///< 0..59
    std::optional<ArcSeconds> latSeconds;  ///< absent: given to the minute
    bool south = false;        ///< "South" selected
    bool daylightSaving = false;
    /// The clock's exact offset from UT in seconds, east positive, when it is
    /// known from time-zone history; it then replaces the zone row and the
    /// daylight-saving hour.
    std::optional<int> exactOffsetSeconds;
    std::string city;
    std::string state;
    std::string country;
};

/// Longitude in decimal degrees, West positive, East negative.
double SignedLongitude(const BirthData& birth);

/// Latitude in decimal degrees, North positive, South negative.
double SignedLatitude(const BirthData& birth);

}  // namespace zodiora
