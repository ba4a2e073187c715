#pragma once

#include <optional>
#include <string>

namespace zodiora {

/// What the input form's controls hold: the free texts exactly as typed and
/// the list choices. The form and zodiora-chart both fill one of these and
/// hand it to ValidateBirthData / ReadBirthData.
struct BirthFormInput {
    std::string name;
    int monthIndex = 0;  ///< selected row of the month list, 0 = January
    int day = 1;         ///< 1..31
    int year = 1901;     ///< 1583..2399, Gregorian (the classic ephemeris: 1901..2050)
    int hour = 0;        ///< 0..23
    int minute = 0;      ///< 0..59
    int second = 0;      ///< 0..59; the form's seconds list is not read, so 0 there
    int zoneRow = 29;    ///< selected row of the time-zone list
    bool daylightSaving = false;
    /// Exact UT offset in seconds (east positive) from time-zone history;
    /// when set it replaces the zone row and the daylight-saving hour.
    std::optional<int> exactOffsetSeconds;
    std::string latDegrees;
    std::string latMinutes;
    bool south = false;
    std::string lonDegrees;
    std::string lonMinutes;
    bool east = true;
    std::string city;
    std::string state;
    std::string country;
};

}  // namespace zodiora
