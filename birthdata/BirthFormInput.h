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
    /// The clock kept the birth place's own mean time (longitude / 15);
    /// exactOffsetSeconds then holds that offset.
    bool localMeanTime = false;
    std::string latDegrees;
    std::string latMinutes;
    /// Seconds of arc as typed, digits with an optional decimal part
    /// ("24", "07.5"); empty when the latitude is given to the minute.
    std::string latSeconds;
    bool south = false;
    std::string lonDegrees;
    std::string lonMinutes;
    std::string lonSeconds;  ///< as latSeconds
    bool east = true;
    std::string city;
    std::string state;
    std::string country;
};

}  // namespace zodiora
