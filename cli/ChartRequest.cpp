#include "cli/ChartRequest.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "birthdata/BirthDataInput.h"
#include "birthdata/NameText.h"
#include "birthdata/TimeZoneTable.h"
#include "cli/BatchFields.h"
#include "cli/DecimalAngle.h"
#include "engine/YearRange.h"
#include "timezones/LocalMeanTime.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

bool AllDigits(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<int> SmallNumber(std::string_view text, std::size_t maxDigits)
{
    if (!AllDigits(text) || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The name is typed through the same filter as the form's name box.
std::variant<std::string, std::string> FilterName(std::string_view name)
{
    NameCheck check = CheckNameText(name);
    if (check.problem) {
        return std::variant<std::string, std::string>{std::in_place_index<1>, check.problem->text};
    }
    return std::variant<std::string, std::string>{std::in_place_index<0>, std::move(check.name)};
}

std::string Quote(std::string_view text)
{
    return "'" + ValidUtf8(text) + "'";
}

// A date marked as Old Style ("1700-02-18 OS", "...J", "... julian"): said
// plainly rather than read as a Gregorian date or called malformed.
bool IsJulianMarked(std::string_view date)
{
    if (date.size() <= 10) return false;
    std::string mark;
    for (const char c : date.substr(10)) {
        if (c != ' ' && c != '(' && c != ')' && c != '.') mark.push_back(static_cast<char>(c | 0x20));
    }
    return mark == "j" || mark == "os" || mark == "julian";
}

// Degrees beyond 90 (or 90 and some minutes or seconds): no place on the Earth.
bool BeyondPole(const FormAngle& latitude)
{
    const auto degrees = DigitFieldValue(latitude.degrees);
    const auto minutes = DigitFieldValue(latitude.minutes);
    const auto seconds = ArcSecondsValue(latitude.seconds);
    return degrees &&
           (*degrees > 90 || (*degrees == 90 && ((minutes && *minutes > 0) || (seconds && seconds->value > 0))));
}

// A row number, or a zone of the tz database (named, or the place's with
// "auto") whose offset at the birth's clock reading becomes the exact offset.
std::optional<std::string> ApplyZone(const ChartArguments& arguments, ChartRequest& request)
{
    BirthFormInput& input = request.form;
    const std::string& zone = arguments.zone;
    if (AllDigits(zone) || zone.empty()) {
        const auto row = SmallNumber(zone, 2);
        if (!row || *row >= TimeZoneRowCount) {
            return "--zone " + Quote(zone) + " is not a row of the time-zone list (0 to 70)";
        }
        // A row is one fixed offset: there is no second occurrence to choose.
        if (arguments.fold != Fold::Unset) {
            return "--fold goes with a time-zone id (e.g. America/New_York), not with a row of the time-zone list";
        }
        input.zoneRow = *row;
        return std::nullopt;
    }
    if (zone == "lmt") {
        // The offset follows from the longitude, read after the zone.
        request.zone = HistoryZone{"", "LMT", 0, true};
        return std::nullopt;
    }
    std::string_view id = zone;
    if (zone == "auto") {
        if (!arguments.place) return std::string("--zone auto takes the zone of --place, and no place was given");
        id = arguments.place->zoneId;
    }
    const timezones::LocalDateTime local{input.year, input.monthIndex + 1, input.day, input.hour, input.minute,
                                         input.second};
    auto found = OffsetFromHistory(id, local, arguments.fold, zone == "auto");
    if (auto* message = std::get_if<std::string>(&found)) return ValidUtf8(*message);
    request.zone = std::move(std::get<HistoryZone>(found));
    input.exactOffsetSeconds = request.zone->offsetSeconds;
    return std::nullopt;
}

}  // namespace

std::variant<BirthFormInput, std::string> ParseChartArguments(const ChartArguments& arguments)
{
    auto parsed = ParseChartRequest(arguments);
    if (auto* message = std::get_if<std::string>(&parsed)) return std::move(*message);
    if (auto problem = EphemerisYearProblem(std::get<ChartRequest>(parsed).form, Ephemeris::Classic)) {
        return std::move(*problem);
    }
    return std::move(std::get<ChartRequest>(parsed).form);
}

std::variant<ChartRequest, std::string> ParseChartRequest(const ChartArguments& arguments)
{
    ChartRequest request;
    request.place = arguments.place;
    BirthFormInput& input = request.form;

    auto name = FilterName(arguments.name);
    if (name.index() == 1) {
        return std::get<1>(name);
    }
    input.name = std::get<0>(name);

    std::string_view date = arguments.date;
    if (IsJulianMarked(date)) {
        return "--date " + Quote(date) +
               ": Julian-calendar (Old Style) dates are not supported; give the Gregorian (New Style) date";
    }
    const auto y = date.size() == 10 && date[4] == '-' && date[7] == '-' ? SmallNumber(date.substr(0, 4), 4) : std::nullopt;
    const auto m = y ? SmallNumber(date.substr(5, 2), 2) : std::nullopt;
    const auto d = m ? SmallNumber(date.substr(8, 2), 2) : std::nullopt;
    if (!d || *m < 1 || *m > 12 || *d < 1 || *d > 31) {
        return "--date " + Quote(date) + " is not a date of the form YYYY-MM-DD";
    }
    if (!PreciseYears.holds(*y)) {
        return "--date " + Quote(date) + ": the year must lie between " + std::to_string(PreciseYears.first) +
               " and " + std::to_string(PreciseYears.last) + " (Gregorian calendar)";
    }
    if (*m == 2 && *d == 29 && *y % 4 == 0 && !IsGregorianLeapYear(*y)) {
        // A leap day of the Julian calendar only: most likely an Old Style date.
        return "--date " + Quote(date) + ": " + std::to_string(*y) +
               " has no 29 February in the Gregorian calendar (Julian-calendar dates are not supported)";
    }
    input.year = *y;
    input.monthIndex = *m - 1;
    input.day = *d;

    const std::string_view time = arguments.time;
    const std::size_t colon = time.find(':');
    const std::size_t secondColon = colon != std::string_view::npos ? time.find(':', colon + 1) : colon;
    const auto hh = colon != std::string_view::npos ? SmallNumber(time.substr(0, colon), 2) : std::nullopt;
    const auto mm = hh ? SmallNumber(time.substr(colon + 1, secondColon - colon - 1), 2) : std::nullopt;
    const auto ss = !mm                                   ? std::nullopt
                    : secondColon == std::string_view::npos ? std::optional<int>(0)
                                                            : SmallNumber(time.substr(secondColon + 1), 2);
    if (!ss || *hh > 23 || *mm > 59 || *ss > 59) {
        return "--time " + Quote(time) + " is not a clock time HH:MM (00:00 to 23:59)";
    }
    input.hour = *hh;
    input.minute = *mm;
    input.second = *ss;

    if (const auto message = ApplyZone(arguments, request)) return *message;
    input.daylightSaving = arguments.daylightSaving;

    auto latitude = ColonAngle(arguments.latitude, "NS");
    if (!latitude) latitude = DecimalAngle(arguments.latitude, 'N', 'S');
    if (!latitude) {
        return "--lat " + Quote(arguments.latitude) + " is not of the form DD:MM or DD:MM:SS followed by N or S";
    }
    if (BeyondPole(*latitude)) {
        return "--lat " + Quote(arguments.latitude) + ": a latitude lies between 90S and 90N";
    }
    input.latDegrees = std::move(latitude->degrees);
    input.latMinutes = std::move(latitude->minutes);
    input.latSeconds = std::move(latitude->seconds);
    input.south = latitude->hemisphere == 'S';

    auto longitude = ColonAngle(arguments.longitude, "EW");
    if (!longitude) longitude = DecimalAngle(arguments.longitude, 'E', 'W');
    if (!longitude) {
        return "--lon " + Quote(arguments.longitude) + " is not of the form DDD:MM or DDD:MM:SS followed by E or W";
    }
    if (request.zone &&
        (request.zone->localMeanTime ||
         timezones::KeptLocalMeanTime({request.zone->offsetSeconds, request.zone->abbreviation}, input.year))) {
        // The place's own mean time, not that of the zone's reference city.
        const double east = AngleDegrees(arguments.longitude, 'E', 'W').value_or(0);
        request.zone->localMeanTime = true;
        request.zone->abbreviation = "LMT";
        request.zone->offsetSeconds = timezones::LocalMeanTimeOffsetSeconds(east);
        input.exactOffsetSeconds = request.zone->offsetSeconds;
        input.localMeanTime = true;
    }
    input.lonDegrees = std::move(longitude->degrees);
    input.lonMinutes = std::move(longitude->minutes);
    input.lonSeconds = std::move(longitude->seconds);
    input.east = longitude->hemisphere == 'E';

    // Shown as given, but as text: bytes that are not UTF-8 become U+FFFD.
    input.city = ValidUtf8(arguments.city);
    input.state = ValidUtf8(arguments.state);
    input.country = ValidUtf8(arguments.country);

    if (const auto message = ValidateBirthData(input)) {
        return message->text;
    }
    return request;
}

std::optional<std::string> EphemerisYearProblem(const BirthFormInput& form, Ephemeris ephemeris)
{
    if (YearsOf(ephemeris).holds(form.year)) return std::nullopt;
    char date[48];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", form.year, form.monthIndex + 1, form.day);
    // The first half is the classic ephemeris's message from before the precise one charted other years.
    return "--date '" + std::string(date) + "': the year must lie between " + std::to_string(ClassicYears.first) +
           " and " + std::to_string(ClassicYears.last) + "; the precise ephemeris (--ephemeris precise) charts " +
           std::to_string(PreciseYears.first) + " to " + std::to_string(PreciseYears.last);
}

std::variant<ChartArguments, std::string> ParseBatchLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return ParseBatchFields(fields);
}

}  // namespace zodiora::cli
