#include "birthdata/BirthDataInput.h"

#include <charconv>
#include <cstdio>

#include "birthdata/UniversalTime.h"

namespace zodiora {

bool IsGregorianLeapYear(int year)
{
    // The Gregorian rule: 1700, 1800, 1900, 2100, 2200 and 2300 have no 29 February.
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

namespace {

UserMessage Fail(const char* text, MessageIcon icon, FormField focus)
{
    return UserMessage{text, icon, focus};
}

bool InRange(std::string_view text, int low, int high)
{
    const auto value = DigitFieldValue(text);
    return value && *value >= low && *value <= high;
}

// An empty seconds field: the coordinate is given to the minute.
bool SecondsFieldFits(std::string_view text)
{
    return TrimBlanks(text).empty() || ArcSecondsValue(text).has_value();
}

}  // namespace

std::optional<ArcSeconds> ArcSecondsValue(std::string_view text)
{
    text = TrimBlanks(text);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 2 || !digits(whole) || !digits(fraction) || fraction.size() > 9 ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    ArcSeconds seconds;
    std::from_chars(text.data(), text.data() + text.size(), seconds.value);
    seconds.decimals = static_cast<int>(fraction.size());
    if (seconds.value >= 60.0) return std::nullopt;
    return seconds;
}

std::optional<AngleTexts> DecimalAngleTexts(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 3 || fraction.size() > 12 || !digits(whole) || !digits(fraction) ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    // In whole numbers, so that nothing is rounded: the fraction is
    // `units` / `scale` of a degree.
    long long units = 0;
    long long scale = 1;
    for (const char c : fraction) {
        units = units * 10 + (c - '0');
        scale *= 10;
    }
    long long degrees = 0;
    for (const char c : whole) degrees = degrees * 10 + (c - '0');
    AngleTexts angle{std::to_string(degrees), std::to_string(units * 60 / scale), {}};
    if (fraction.size() >= 2) {
        const long long seconds = (units * 60 % scale) * 60 / 100;  // in units of 100 / scale seconds
        const long long unit = scale / 100;
        const int decimals = static_cast<int>(fraction.size()) - 2;
        char text[48];
        if (decimals == 0) {
            std::snprintf(text, sizeof text, "%02lld", seconds);
        } else {
            std::snprintf(text, sizeof text, "%02lld.%0*lld", seconds / unit, decimals, seconds % unit);
        }
        angle.seconds = text;
    }
    return angle;
}

std::optional<int> DigitFieldValue(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 99999) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}

// Pasted text bypasses the keystroke filters, so every degree and minute
// field must be all digits here: "abc" must never chart as 0 degrees.
std::optional<UserMessage> ValidateBirthData(const BirthFormInput& input)
{
    if (TrimBlanks(input.name).empty()) {
        return Fail("Please Enter Name", MessageIcon::Error, FormField::Name);
    }
    if (!InRange(input.lonDegrees, 0, 179)) {
        return Fail("Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Error,
                    FormField::LonDegrees);
    }
    if (!InRange(input.lonMinutes, 0, 59)) {
        return Fail("Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Error,
                    FormField::LonMinutes);
    }
    if (!SecondsFieldFits(input.lonSeconds)) {
        return Fail("Please Enter Seconds From 0 To Below 60 in the Second of Longitude", MessageIcon::Error,
                    FormField::LonSeconds);
    }
    if (!InRange(input.latDegrees, 0, 89)) {
        return Fail("Please Enter Value Between 0 And 89 in the Degree of Latitude", MessageIcon::Error,
                    FormField::LatDegrees);
    }
    if (!InRange(input.latMinutes, 0, 59)) {
        return Fail("Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Error,
                    FormField::LatMinutes);
    }
    if (!SecondsFieldFits(input.latSeconds)) {
        return Fail("Please Enter Seconds From 0 To Below 60 in the Second of Latitude", MessageIcon::Error,
                    FormField::LatSeconds);
    }
    const bool february = input.monthIndex == 1;
    if (february && (input.day > 29 || (input.day == 29 && !IsGregorianLeapYear(input.year)))) {
        return Fail("Please Enter Correct Date Or Month!", MessageIcon::Information, FormField::None);
    }
    const bool thirtyDays =
        input.monthIndex == 3 || input.monthIndex == 5 || input.monthIndex == 8 || input.monthIndex == 10;
    if (thirtyDays && input.day == 31) {
        return Fail("Please Enter Correct Date Or Month !", MessageIcon::Information, FormField::None);
    }
    return std::nullopt;
}

void ReadBirthData(const BirthFormInput& input, BirthData& birth)
{
    birth.name = input.name;
    birth.zoneRow = input.zoneRow;
    ApplyZoneRow(input.zoneRow, birth);
    birth.month = input.monthIndex + 1;
    birth.day = input.day;
    birth.year = input.year;
    birth.hour = input.hour;
    birth.minute = input.minute;
    birth.second = input.second;
    birth.exactOffsetSeconds = input.exactOffsetSeconds;
    birth.lonDegrees = DigitFieldValue(input.lonDegrees).value_or(0);
    birth.lonMinutes = DigitFieldValue(input.lonMinutes).value_or(0);
    birth.latDegrees = DigitFieldValue(input.latDegrees).value_or(0);
    birth.latMinutes = DigitFieldValue(input.latMinutes).value_or(0);
    birth.lonSeconds = ArcSecondsValue(input.lonSeconds);
    birth.latSeconds = ArcSecondsValue(input.latSeconds);
    birth.east = input.east;
    birth.south = input.south;
    birth.daylightSaving = input.daylightSaving;
    birth.city = input.city;
    birth.state = input.state;
    birth.country = input.country;
}

}  // namespace zodiora
