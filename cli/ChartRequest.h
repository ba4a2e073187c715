#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "birthdata/BirthFormInput.h"
#include "cli/ZoneChoice.h"
#include "engine/CalculationSettings.h"

namespace zodiora::cli {

/// An atlas place a chart was given by (--place): decimal degrees, east positive.
struct ChosenPlace {
    std::string name;
    std::string state;
    std::string country;
    std::string zoneId;
    double latitude = 0;
    double longitude = 0;
};

/// A birth as the command line gives it, before any parsing.
struct ChartArguments {
    std::string name;
    std::string date;  ///< YYYY-MM-DD
    std::string time;  ///< HH:MM or HH:MM:SS
    std::string zone;  ///< row 0..70 of the time-zone list, an IANA id, or "auto" (the place's zone)
    std::string latitude;   ///< DD:MM[:SS] followed by N or S, or decimal degrees (28.6139N, -33.87)
    std::string longitude;  ///< DDD:MM[:SS] followed by E or W, or decimal degrees (77.209E, -122.27)
    bool daylightSaving = false;
    std::string city;
    std::string state;
    std::string country;
    Fold fold = Fold::Unset;
    std::optional<ChosenPlace> place;
};

/// What a chart was asked for: the form's values, and where the clock's
/// offset came from the tz database, that zone (the form then holds the
/// exact offset and its zone row is not read).
struct ChartRequest {
    BirthFormInput form;
    std::optional<HistoryZone> zone;
    std::optional<ChosenPlace> place;
    /// A saved chart's calculation settings (SettingsText); empty for the defaults.
    std::string settings;
    /// A saved chart's birth-time uncertainty, minutes; none for a typed birth.
    std::optional<int> timeUncertainty;
};

/// Turns the arguments into what the input form would hold, or a one-line
/// error. Texts are checked as the form checks them: the name goes through
/// the keystroke filter, degrees and minutes through the form's validation,
/// so a bad value gets the very message the form shows. Years are those
/// of the classic ephemeris, the form's default.
std::variant<BirthFormInput, std::string> ParseChartArguments(const ChartArguments& arguments);

/// The same, keeping the zone and place the offset came from. Years are
/// those of the precise ephemeris.

std::variant<ChartRequest, std::string> ParseChartRequest(const ChartArguments& arguments);

/// The refusal of a birth year `ephemeris` does not chart (the classic
/// ephemeris: 1901 to 2050), naming the precise ephemeris; nothing when it does.
/// ParseChartRequest accepts the precise ephemeris's years, so every path
/// that charts asks this with the settings it charts with.
std::optional<std::string> EphemerisYearProblem(const BirthFormInput& form, Ephemeris ephemeris);

/// One line of a batch file split at every comma (no quoting):
/// name,YYYY-MM-DD,HH:MM,zone,DD:MM{N|S},DDD:MM{E|W},dst(0/1)[,city,state,country]
std::variant<ChartArguments, std::string> ParseBatchLine(std::string_view line);

}  // namespace zodiora::cli
