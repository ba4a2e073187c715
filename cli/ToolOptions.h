#pragma once

#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/ChartFormatter.h"
#include "cli/ChartRequest.h"
#include "cli/sections/Section.h"
#include "engine/Chart.h"

namespace zodiora::cli {

/// Everything zodiora-chart's command line can say.
struct ToolOptions {
    ChartArguments chart;
    std::string place;      ///< --place: the atlas query
    std::string fold;       ///< --fold: earlier or later
    std::string ephemeris;  ///< --ephemeris; empty when not given
    /// --ayanamsa, --node, --dasha-year and any later setting: one option per
    /// SettingFields entry after the ephemeris, keyed by the setting's key;
    /// empty when not given.
    std::map<std::string, std::string, std::less<>> settingOptions;
    std::string with;             ///< --with, as given
    std::string transit;          ///< --transit, as given
    std::optional<double> transitJd;  ///< --transit, read
    SectionSelection sections;    ///< --with, read
    bool vedic = false;
    std::string dashaLevels;  ///< --dasha-levels, as given
    std::string dashaAt;      ///< --dasha-at, as given
    DashaChoice dasha;        ///< both, read
    std::optional<int> timeUncertainty;  ///< --time-uncertainty, minutes
    std::string language = "en";  ///< --lang: the text output's language
    std::string sanskrit = "off";  ///< --sanskrit: off, beside or instead
    std::string batchFile;
    std::string stationsPlanet;
    int stationsFrom = 0;  ///< --from: first year of --stations
    int stationsTo = 0;    ///< --to: last year of --stations
    std::string findPlace;
    std::vector<std::string> library;  ///< --library ACTION [ARGUMENT]
    std::string note;
    std::string libraryFile;
    std::string savedChart;  ///< --chart NAME
    std::vector<std::string> match;  ///< --match BOY GIRL: two saved charts' names
    bool json = false;
    std::string format = "text";
    bool report = false;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    bool quiet = false;
    bool listZones = false;
    bool version = false;

    ChartFormatter formatter() const;
    Ephemeris chosenEphemeris() const { return ephemeris == "precise" ? Ephemeris::Precise : Ephemeris::Classic; }

    /// `base` (the defaults, or a saved chart's) with the settings the
    /// command line gives laid over it.
    CalculationSettings settingsOver(const CalculationSettings& base) const;

    /// The ephemeris or another setting was given.
    bool settingsGiven() const;

    /// Reads --dasha-levels and --dasha-at into `dasha`; a message naming
    /// the value and the choices when one is not understood.
    std::optional<std::string> readDashaChoice();

    /// A setting beyond the ephemeris, --with or a dasha option was given: the JSON then
    /// names the settings ("ayanamsa", "node", "dashaYear").
    bool newOptionsGiven() const;

    /// What the sections read, the same for every chart of the run.
    SectionOptions sectionOptions() const { return {timeUncertainty, transitJd}; }
};

/// The options that describe one birth (the single chart and --library add).
inline constexpr const char* BirthOptionNames[] = {"--name", "--date", "--time",    "--zone",  "--lat", "--lon",
                                                   "--dst",  "--city", "--state", "--country", "--place", "--fold"};

/// Declares every option on `app` with which ones go together; --help's
/// layout and footer included.
void AddToolOptions(CLI::App& app, ToolOptions& options);

}  // namespace zodiora::cli
